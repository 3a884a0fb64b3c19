// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz.h"

#include <cmath>
#include <cstring>

namespace sumbrix {

namespace {

constexpr Long kSecondsPerDay = 86400;

std::uint64_t Mix(std::uint64_t z)  // splitmix64's finaliser
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

void ClockSeededRandom::ReseedFromClock()
{
    const double now = clock_.ClockSeconds();
    std::uint64_t bits = 0;
    std::memcpy(&bits, &now, sizeof bits);
    state_ = Mix(state_ ^ bits) + 0x9e3779b97f4a7c15ULL;
}

float ClockSeededRandom::NextUniform()
{
    state_ += 0x9e3779b97f4a7c15ULL;
    // 24 bits fill a float's mantissa exactly, so the result stays below 1.
    return static_cast<float>(Mix(state_) >> 40) * 0x1p-24f;
}

std::string Quiz::HistoryLine(const std::string &time, Integer attempt, const std::string &arg1,
                              const std::string &ops, const std::string &arg2,
                              const std::optional<std::string> &typed)
{
    std::string line = time + " #" + SignedText(attempt) + ":" + arg1 + ops + arg2;
    if (typed)
        line += "=" + *typed;
    return line;
}

void Quiz::Start()
{
    s_.RangeMin = 0;
    s_.RangeMax = kStartRangeTop;
    surface_.SetRangeTop(kStartRangeTop);  // draws a problem through RangeTopChanged
    NewProblem();
    for (Control c : {Control::lblNRight, Control::lblNWrong, Control::lblPctRight, Control::lblScore,
                      Control::lblTimer})
        surface_.SetText(c, "");
    for (const Operation &op : kOperations)
        surface_.AddOperation(surface_.Word(op.item));
    surface_.SetOperationIndex(kAddition);  // draws the first real problem through OperationChosen
    s_.Score = 0;
    surface_.AddHistory(clock_.TimeOfDayText() + " " + surface_.Word("Begin"));
}

bool Quiz::OperationChosen()
{
    const int index = surface_.OperationIndex();
    QuizState next = s_;
    std::string ops = surface_.Text(Control::lblOps);
    const bool known = index >= 0 && index < static_cast<int>(kOperations.size());
    if (known) {
        ops = kOperations[index].symbol;
        next.RangeMin = kOperations[index].rangeMin;
    }
    const auto problem = DrawProblem(next, ops);
    if (!problem)
        return false;
    if (known)
        surface_.SetText(Control::lblOps, ops);
    s_ = next;
    Show(*problem);
    return true;
}

bool Quiz::RangeTopChanged(int value)
{
    QuizState next = s_;
    const auto top = Narrow<Integer>(value);
    if (!top)
        return false;
    next.RangeMax = *top;
    const auto problem = DrawProblem(next, surface_.Text(Control::lblOps));
    if (!problem)
        return false;
    s_ = next;
    Show(*problem);  // shows the new top in txtMax too
    return true;
}

void Quiz::TimerTick()
{
    const auto elapsed = RoundToLong(clock_.ClockSeconds() - s_.StartTime);
    if (!elapsed)
        return;
    // A problem that spans midnight keeps counting instead of going negative.
    s_.Elapsed = *elapsed < 0 ? *elapsed + kSecondsPerDay : *elapsed;
    surface_.SetText(Control::lblTimer, PlainText(s_.Elapsed));
}

bool Quiz::NewProblem()
{
    const auto problem = DrawProblem(s_, surface_.Text(Control::lblOps));
    if (!problem)
        return false;
    Show(*problem);
    return true;
}

std::optional<Integer> Quiz::Draw(const QuizState &s)
{
    const float r = random_.NextUniform();
    auto span = CheckedSub<Integer>(s.RangeMax, s.RangeMin);
    if (span)
        span = CheckedAdd<Integer>(*span, 1);
    if (!span)
        return std::nullopt;
    // Single-precision operands, but product and sum without rounding between.
    return FloorToInteger(static_cast<double>(static_cast<float>(*span)) * static_cast<double>(r) +
                          static_cast<double>(static_cast<float>(s.RangeMin)));
}

std::optional<Quiz::Problem> Quiz::DrawProblem(const QuizState &s, const std::string &ops)
{
    random_.ReseedFromClock();
    const auto d1 = Draw(s);
    if (!d1)
        return std::nullopt;
    const auto d2 = Draw(s);
    if (!d2)
        return std::nullopt;

    Problem p{*d1, *d2, *d1, *d2, std::nullopt, 0};
    if (ops == "x") {
        p.answer = CheckedMul<Integer>(p.arg1, p.arg2);
    } else if (ops == "+") {
        p.answer = CheckedAdd<Integer>(p.arg1, p.arg2);
    } else if (ops == "/" || ops == "-") {
        // The left number is built from both draws, so the result is the
        // second draw: no remainder, never negative.
        const auto left = ops == "/" ? CheckedMul<Integer>(p.draw2, p.draw1) : CheckedAdd<Integer>(p.draw2, p.draw1);
        if (!left)
            return std::nullopt;
        p.arg1 = *left;
        p.arg2 = p.draw1;
        p.answer = p.draw2;
    } else {
        // No operator shown: the answer stays as it was.
        p.answer = s.Answer;
    }
    if (!p.answer)
        return std::nullopt;

    const auto start = RoundToLong(clock_.ClockSeconds());
    if (!start)
        return std::nullopt;
    p.startTime = *start;
    return p;
}

void Quiz::Show(const Problem &p)
{
    surface_.SetText(Control::txtMin, SignedText(s_.RangeMin));
    surface_.SetText(Control::txtMax, SignedText(s_.RangeMax));
    s_.Draw1 = p.draw1;
    s_.Draw2 = p.draw2;
    s_.Arg1 = p.arg1;
    s_.Arg2 = p.arg2;
    s_.Answer = *p.answer;
    surface_.SetText(Control::lblArg1, SignedText(s_.Arg1));
    surface_.SetText(Control::lblArg2, SignedText(s_.Arg2));
    surface_.SetText(Control::txtAnswer, "");
    s_.StartTime = p.startTime;
}

bool Quiz::CheckAnswer()
{
    const int index = surface_.OperationIndex();
    const std::string typed = surface_.Text(Control::txtAnswer);
    const std::string ops = surface_.Text(Control::lblOps);
    const bool graded = !typed.empty() && index >= 0 && index < static_cast<int>(kOperations.size());

    QuizState next = s_;
    std::string line;
    bool right = false;
    if (graded) {
        const auto attempt = CheckedAdd<Integer>(s_.NTotal, 1);
        if (!attempt)
            return false;
        right = NumericValue(typed) == static_cast<double>(s_.Answer);
        std::optional<Long> score;
        if (right) {
            const auto nRight = CheckedAdd<Integer>(s_.NRight, 1);
            const auto sum = CheckedAdd<Integer>(s_.Draw2, s_.Draw1);
            if (!nRight || !sum)
                return false;
            next.NRight = *nRight;
            next.Weight = static_cast<Integer>(4 - index);
            const auto reward = CheckedMul<Long>(*sum, next.Weight);
            if (reward)
                score = CheckedAdd<Long>(*reward, s_.Score);
        } else {
            const auto nWrong = CheckedAdd<Integer>(s_.NWrong, 1);
            if (!nWrong)
                return false;
            next.NWrong = *nWrong;
            next.Weight = static_cast<Integer>(index);
            // The easier the operation, the larger the penalty: 4 + index.
            score = CheckedSub<Long>(s_.Score, next.Weight + 1);
            if (score)
                score = CheckedSub<Long>(*score, 3);
        }
        const auto total = CheckedAdd<Integer>(next.NRight, next.NWrong);
        if (!score || !total)
            return false;
        next.Score = *score;
        next.NTotal = *total;
        // Formed in 32 bits: 16 would overflow at the 328th right answer.
        const Long hundreds = static_cast<Long>(next.NRight) * 100;
        next.PctRight = static_cast<Integer>(std::floor(static_cast<double>(hundreds) / next.NTotal + 0.5));
        line = HistoryLine(clock_.TimeOfDayText(), *attempt, surface_.Text(Control::lblArg1),
                           ops, surface_.Text(Control::lblArg2),
                           right ? std::nullopt : std::optional<std::string>(typed));
    }

    const auto problem = DrawProblem(next, ops);
    if (!problem)
        return false;

    s_ = next;
    if (graded) {
        if (right)
            surface_.SetText(Control::lblNRight, SignedText(s_.NRight));
        else
            surface_.SetText(Control::lblNWrong, SignedText(s_.NWrong));
        surface_.AddHistory(line);
        surface_.SetText(Control::lblScore, SignedText(s_.Score));
        surface_.SetText(Control::lblPctRight, SignedText(s_.PctRight));
    }
    Show(*problem);
    surface_.FocusAnswer();
    return true;
}

}  // namespace sumbrix
