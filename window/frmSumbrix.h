// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The one window of the drill. Its slots are thin: they hand each event to
// the quiz engine, which owns the rules.
#pragma once

#include "quiz.h"
#include "readaloud.h"
#include "widgetsurface.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;

namespace sumbrix {
class AnswerBox;
class ClickableImage;
class TabbedDialog;
}  // namespace sumbrix

class frmSumbrix : public QWidget {
    Q_OBJECT
public:
    explicit frmSumbrix(QWidget *parent = nullptr);

    bool OpenBrowser(const QString &URL);
    const sumbrix::QuizState &State() const { return quiz_.State(); }
    // Starts reading aloud once the first frame is on screen.
    void ReadAloudFromFirstFrame() { readAloudAtFirstFrame_ = true; }
    bool ReadingAloud() const { return readAloud_.IsOn(); }

    // The whole window at `percent` of the drawing's size (within 100-300
    // and the screen's free area), the drill untouched.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }
    // The zoom the window's language opens at: its script read at the
    // drawing's size.
    int OpeningZoom() const { return openingZoom_; }
    // Whether the zoom keys' choice is kept for the next start.
    void KeepZoomChoice(bool keep) { keepZoom_ = keep; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void boxOp_Click();
    void HScroll1_Change(int value);
    void HScroll1_Scroll(int value);
    void Timer1_Timer();
    void txtAnswer_KeyPress(int KeyAscii);
    void Image1_Click();
    void cmdGotoQuor_Click();
    void ToggleReadAloud();
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

private:
    void Form_Load();
    void CreateControls();
    void WireEvents();
    void Refused();
    void ProblemShown();
    void ColourTexts();
    QString SpokenProblem() const;
    QString AnswerName(const QString &problem) const;
    void StartReadingAloud();
    void ZoomChosen(int percent);
    int LargestZoom() const;
    int FindOpeningZoom();

    sumbrix::TabbedDialog *SSTab1 = nullptr;
    QPushButton *cmdGotoQuor = nullptr;
    QListWidget *List1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *lblScore = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *lblNRight = nullptr;
    QLabel *lblNWrong = nullptr;
    QLabel *lblPctRight = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QGroupBox *Frame2 = nullptr;
    sumbrix::AnswerBox *txtAnswer = nullptr;
    QLabel *lblTimer = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblArg1 = nullptr;
    QLabel *lblOps = nullptr;
    QLabel *lblArg2 = nullptr;
    QLabel *Label11 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QComboBox *boxOp = nullptr;
    QLineEdit *txtMin = nullptr;
    QLineEdit *txtMax = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label16 = nullptr;
    sumbrix::ClickableImage *Image1 = nullptr;
    QTimer *Timer1 = nullptr;

    sumbrix::WidgetSurface surface_;
    sumbrix::SystemClock clock_;
    sumbrix::ClockSeededRandom random_{clock_};
    sumbrix::Quiz quiz_{surface_, clock_, random_};
    sumbrix::ReadAloud readAloud_;
    bool readAloudAtFirstFrame_ = false;
    qreal captionPixels_ = 0;  // the script's size, read at the opening zoom
    int openingZoom_ = 100;
    int zoom_ = 100;
    bool keepZoom_ = false;
    int wheelTurned_ = 0;  // Ctrl+wheel, in eighths of a degree toward the next step
};
