// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/Spinner.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTimerEvent>

Spinner::Spinner(int minimum, int maximum, QWidget *parent)
    : QScrollBar(Qt::Vertical, parent), m_minimum(minimum), m_maximum(maximum)
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
}

void Spinner::showValue(int value)
{
    const QSignalBlocker quiet(this);
    setRange(qMin(m_minimum, value), qMax(m_maximum, value));
    setValue(value);
}

void Spinner::timerEvent(QTimerEvent *event)
{
    // An arrow held down repeats. When a change it made brings up a message box, the
    // button's release goes to the box, so the arrow would go on repeating under it and
    // pile up messages: stop here instead.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != window()) {
        setRepeatAction(SliderNoAction);
        setSliderDown(false);
        return;
    }
    QScrollBar::timerEvent(event);
}
