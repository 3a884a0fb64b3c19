// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's view of the window: real widgets behind the control names.
#pragma once

#include "quiz.h"

#include <QComboBox>
#include <QLocale>
#include <QListWidget>
#include <QScrollBar>
#include <QTime>
#include <array>

namespace sumbrix {

class WidgetSurface final : public ControlSurface {
public:
    WidgetSurface() = default;
    // Numbers are shown as this locale writes them; any script's digits are read.
    void UseNumbers(const QLocale &numbers);
    // In a right-to-left window whose language writes sums left to right,
    // the history's sums are kept left to right.
    void IsolateSums(bool isolate) { isolateSums_ = isolate; }
    void Bind(Control c, QWidget *widget) { texts_[static_cast<std::size_t>(c)] = widget; }
    void Bind(QComboBox *boxOp, QScrollBar *hScroll1, QListWidget *list1)
    {
        boxOp_ = boxOp;
        hScroll1_ = hScroll1;
        list1_ = list1;
    }

    std::string Text(Control c) const override;
    void SetText(Control c, const std::string &text) override;
    void SetRangeTop(int value) override;
    int OperationIndex() const override;
    void SetOperationIndex(int index) override;
    void AddOperation(const std::string &item) override;
    void AddHistory(const std::string &line) override;
    void FocusAnswer() override;
    std::string Word(const char *english) const override;

private:
    std::array<QWidget *, 11> texts_{};
    QComboBox *boxOp_ = nullptr;
    QScrollBar *hScroll1_ = nullptr;
    QListWidget *list1_ = nullptr;
    QLocale numbers_ = QLocale::c();
    QChar zero_ = u'0';
    bool isolateSums_ = false;
};

// Local wall-clock time, in the user's own time format.
class SystemClock final : public Clock {
public:
    SystemClock();
    double ClockSeconds() override;
    std::string TimeOfDayText() override;

private:
    QString format_;
};

}  // namespace sumbrix
