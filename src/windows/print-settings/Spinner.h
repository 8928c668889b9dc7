// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

// The small vertical arrows beside a count box: the lower arrow adds one, the upper one
// takes one away. Its range widens to take in a value shown from elsewhere (a disk number
// that printing carried past 99), so showing it never changes the value.
class Spinner : public QScrollBar
{
    Q_OBJECT

public:
    Spinner(int minimum, int maximum, QWidget *parent = nullptr);

    // Shows value without reporting it as a change: the box that holds it already has it.
    void showValue(int value);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    int m_minimum;
    int m_maximum;
};
