// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "NoteLabel.h"

#include <QApplication>
#include <QTimer>

namespace quantell {

namespace {
constexpr int kShownMs = 2000;
} // namespace

NoteLabel::NoteLabel(QWidget* window) : QLabel(window), m_timer(new QTimer(this)) {
    setObjectName("Note");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A tool tip's colours and frame, which every desktop palette makes readable.
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kShownMs);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void NoteLabel::announce(const QString& spoken, const QString& shown, const QWidget* near) {
    // A note that shows anew is spoken anew, also while the last one is still up.
    hide();
    m_spoken = spoken;
    setText(shown);
    if (shown.isEmpty())
        setGeometry(0, 0, 0, 0); // for readers only: the window shows what happened
    else
        placeBeside(near);
    raise();
    show();
    m_timer->start();
}

// Just below the control, or else just above it, left-aligned with it and kept inside the
// window; where the control with the focus would be covered below, above it.
void NoteLabel::placeBeside(const QWidget* near) {
    const QWidget* window = parentWidget();
    const QRect control(near->mapTo(window, QPoint()), near->size());
    const QSize size = sizeHint();
    const QWidget* focus = QApplication::focusWidget();
    const QRect working = focus && focus->window() == window
                              ? QRect(focus->mapTo(window, QPoint()), focus->size())
                              : QRect();
    QRect note(QPoint(control.left(), control.bottom() + 1), size);
    if (note.bottom() > window->height() || note.intersects(working))
        note.moveBottom(control.top() - 1);
    note.moveLeft(std::clamp(note.left(), 0, std::max(0, window->width() - size.width())));
    note.moveTop(std::clamp(note.top(), 0, std::max(0, window->height() - size.height())));
    setGeometry(note);
}

} // namespace quantell
