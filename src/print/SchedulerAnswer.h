// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <variant>

// The print scheduler could not be reached, or did not answer within the budget of its
// connection: the printer may well be there, and is asked again once the scheduler is back.
// An answer that there is no such printer is an answer, not this.
struct SchedulerAway
{
    bool operator==(const SchedulerAway &) const { return true; }
};

// What the scheduler answered, or that it did not answer.
template <typename T> using SchedulerAnswer = std::variant<T, SchedulerAway>;

// How long one connection to the scheduler may wait: generous for a busy scheduler, yet a
// print that cannot get through is reported well before the user gives up on it.
constexpr int SchedulerBudgetMs = 8000;
