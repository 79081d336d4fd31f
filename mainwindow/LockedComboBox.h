// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QComboBox>

namespace quantell {

// A unit list that shows its entry, as an edit field without a drop-down arrow, and that only
// the program changes: no popup, no keys, no wheel. Tab, Enter and Esc pass on to the window.
class LockedComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override {}
    // The width its widest entry needs, with no arrow beside it.
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quantell
