#include "ui/bind.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <optional>

namespace tc::ui {

void Bindcontrol(Syncset& sync, const Control& model, QWidget* widget) {
    sync.add([&model] { return model.Visible; }, [widget](bool v) { widget->setVisible(v); });
    sync.add([&model] { return model.Enabled; }, [widget](bool v) { widget->setEnabled(v); });
    sync.add([&model] { return model.Tooltip; },
             [widget](const std::string& t) {
                 widget->setToolTip(Qs(t));
                 widget->setAccessibleDescription(Qs(t));
             });
    sync.add([&model] { return model.Fontsize; },
             [widget, original = std::optional<QFont>()](int size) mutable {
                 // Size 0 brings back the font the widget was built with.
                 if (!original) original = widget->font();
                 QFont font = *original;
                 if (size > 0) font.setPointSize(size);
                 widget->setFont(font);
             });
}

void Bindfocus(Syncset& sync, const Textbox& model, QWidget* widget) {
    sync.custom([&model, widget, done = 0]() mutable {
        if (model.Focusrequest == done || !widget->isVisible()) return false;
        done = model.Focusrequest;
        widget->setFocus();
        return true;
    });
}

void Bindlabel(Syncset& sync, const Control& model, QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    sync.add([&model] { return model.Caption; },
             [label](const std::string& t) { label->setText(Qs(t)); });
    Bindcontrol(sync, model, label);
}

void Bindbutton(Syncset& sync, const Control& model, QPushButton* button) {
    // Only the model chooses the default button; focus must not move it.
    button->setAutoDefault(false);
    sync.add([&model] { return model.Caption; },
             [button](const std::string& t) { button->setText(Qs(t)); });
    sync.add([&model] { return model.Default; }, [button](bool d) { button->setDefault(d); });
    Bindcontrol(sync, model, button);
}

void Bindframe(Syncset& sync, const Control& model, QGroupBox* frame) {
    sync.add([&model] { return model.Caption; },
             [frame](const std::string& t) { frame->setTitle(Qs(t)); });
    Bindcontrol(sync, model, frame);
}

void Bindcombo(Syncset& sync, const Combolist& model, QComboBox* combo) {
    sync.add([&model] { return model.Items; },
             [combo](const std::vector<std::string>& items) {
                 const QSignalBlocker quiet(combo);
                 combo->clear();
                 for (const std::string& item : items) combo->addItem(Qs(item));
                 combo->setCurrentIndex(-1);
             });
    sync.live([&model] { return model.Listindex; }, [combo] { return combo->currentIndex(); },
              [combo](int index) {
                  const QSignalBlocker quiet(combo);
                  combo->setCurrentIndex(index < combo->count() ? index : -1);
              });
    Bindcontrol(sync, model, combo);
}

} // namespace tc::ui
