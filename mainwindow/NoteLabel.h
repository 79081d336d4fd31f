// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

class QTimer;

namespace quantell {

// What the program just did, told for two seconds: spoken by screen readers as it shows (its
// role is a notification) and, where it has a text to show, drawn as a small note beside the
// control it concerns. It takes no focus, no clicks and no Tab stop, and covers neither the
// control with the focus nor anything outside the window.
class NoteLabel : public QLabel {
    Q_OBJECT
public:
    explicit NoteLabel(QWidget* window);

    // Tells `spoken` to readers; shows `shown` beside `near`, or nothing where it is empty.
    void announce(const QString& spoken, const QString& shown = {}, const QWidget* near = nullptr);

    // What readers hear of the note now.
    QString spoken() const { return m_spoken; }

private:
    void placeBeside(const QWidget* near);

    QString m_spoken;
    QTimer* m_timer;
};

} // namespace quantell
