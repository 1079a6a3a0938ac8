#pragma once
// The statistics windows: `Fmstat` with its list of every setting's figures, and the message
// that closes an exhaustive simulation, with a chart of how many games took how many attempts.
#include "ui/syncset.h"
#include "windows/fmmain.h"
#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tc::ui {

// A window of its own: the main window is hidden while it shows.
class Statwindow : public QWidget {
public:
    Statwindow(const Fmstat& model, std::function<void()> back, QWidget* parent = nullptr);
    void bind(Syncset& sync);
    QListWidget* list() const { return list_; }
    QPushButton* backbutton() const { return back_; }

protected:
    // The close box is the BACK button; the window is shown and hidden by the model alone.
    void closeEvent(QCloseEvent* event) override;
    // Return and Escape are BACK too, wherever the keyboard is in the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Fmstat& model_;
    std::function<void()> backclicked_;
    QListWidget* list_;
    QPushButton* back_;
    std::vector<std::string> shown_;
};

// Bars of games per number of attempts, with both axes labelled.
class Histogramchart : public QWidget {
public:
    explicit Histogramchart(QWidget* parent = nullptr);
    void setbars(std::vector<std::pair<int, long long>> bars);
    const std::vector<std::pair<int, long long>>& bars() const { return bars_; }
    QSize sizeHint() const override { return {460, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::pair<int, long long>> bars_;
};

// The plain statistics message, window-modal over the main window; closing it by its OK button
// or its close box ends it.
class Statdialog : public QDialog {
public:
    Statdialog(const Statisticsbox& model, std::function<void()> closed, QWidget* parent);
    void bind(Syncset& sync);
    QPushButton* okbutton() const { return ok_; }
    Histogramchart* chart() const { return chart_; }

protected:
    void reject() override { closed_(); }

private:
    void seticon(Boxicon kind);

    const Statisticsbox& model_;
    std::function<void()> closed_;
    QLabel* icon_;
    QLabel* text_;
    Histogramchart* chart_;
    QPushButton* ok_;
};

} // namespace tc::ui
