#pragma once
// Bindings of the plain control models to their Qt widgets, added as steps of a Syncset.
#include "ui/syncset.h"
#include "windows/controls.h"
#include <QString>
#include <string>

class QWidget;
class QLabel;
class QAbstractButton;
class QPushButton;
class QGroupBox;
class QComboBox;

namespace tc::ui {

inline QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Visible, enabled and tool-tip.
void Bindcontrol(Syncset& sync, const Control& model, QWidget* widget);
// The caption as plain text, and the control's common properties.
void Bindlabel(Syncset& sync, const Control& model, QLabel* label);
// Caption, default button and the control's common properties.
void Bindbutton(Syncset& sync, const Control& model, QPushButton* button);
// A frame's caption is its title.
void Bindframe(Syncset& sync, const Control& model, QGroupBox* frame);
// Each focus request of the box gives the widget the keyboard, once the widget shows.
void Bindfocus(Syncset& sync, const Textbox& model, QWidget* widget);
// Items and selection; the control's common properties.
void Bindcombo(Syncset& sync, const Combolist& model, QComboBox* combo);

} // namespace tc::ui
