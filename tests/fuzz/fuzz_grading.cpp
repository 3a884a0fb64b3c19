// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Grades arbitrary typed text at arbitrary settings through the engine with
// a fake window, and checks what one Enter may and may not change.
#include "conversions.h"
#include "fakes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace sumbrix;
using C = sumbrix::Control;

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    test::FakeSurface surface;
    test::FakeClock clock;
    ClockSeededRandom random(clock);
    Quiz quiz(surface, clock, random);
    surface.quiz = &quiz;
    quiz.Start();

    // Settings from the first bytes: operation (or none), top of range, and
    // counts that may sit near their limits.
    surface.SetOperationIndex(static_cast<int>(data[0] % 5) - 1);
    quiz.RangeTopChanged(data[1] % 21);
    QuizState &s = quiz.State();
    const bool nearLimits = data[2] & 1;
    if (nearLimits) {
        s.NRight = static_cast<Integer>(32767 - data[3] % 4);
        s.NWrong = static_cast<Integer>(data[3] % 3);
        s.NTotal = static_cast<Integer>(s.NRight + s.NWrong > 32767 ? 32767 : s.NRight + s.NWrong);
    }
    const std::string typed(reinterpret_cast<const char *>(data + 4), size - 4);
    surface.SetText(C::txtAnswer, typed);

    const QuizState before = s;
    const auto history = surface.history.size();
    const bool done = quiz.CheckAnswer();
    const QuizState &after = quiz.State();

    if (!done) {  // refused: nothing at all changed
        Check(after == before && surface.history.size() == history);
        return 0;
    }
    const int rights = after.NRight - before.NRight;
    const int wrongs = after.NWrong - before.NWrong;
    const bool graded = !typed.empty() && surface.index >= 0;
    Check(graded ? (rights + wrongs == 1 && rights >= 0 && wrongs >= 0) : (rights == 0 && wrongs == 0));
    Check(surface.history.size() == history + (graded ? 1 : 0));
    Check(surface.Text(C::txtAnswer).empty());
    if (graded) {
        const std::string &line = surface.history.back();
        const std::string head = clock.time + " #" + SignedText(before.NTotal + 1) + ":";
        Check(line.compare(0, head.size(), head) == 0);
        if (wrongs == 1)
            Check(line.size() >= typed.size() + 1 && line.compare(line.size() - typed.size() - 1, std::string::npos, "=" + typed) == 0);
        Check(after.NTotal == after.NRight + after.NWrong);
        Check(after.PctRight >= 0 && after.PctRight <= 100);
        Check(surface.Text(C::lblPctRight) == SignedText(after.PctRight));
    }
    return 0;
}
