// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <memory>

// A paint device that draws nothing: a metafile is played on it once when it is loaded, so
// that the work it takes is known before it is shown or printed.
class WmfDryRunDevice : public QPaintDevice
{
public:
    explicit WmfDryRunDevice(int side);
    ~WmfDryRunDevice() override;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int m_side;
    std::unique_ptr<QPaintEngine> m_engine;
};
