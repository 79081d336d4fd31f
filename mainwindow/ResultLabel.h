// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QLabel>

namespace quantell {

// A result box: a framed, right-aligned label whose text stays the full result (the report,
// the copy command and screen readers read it). A result too long for the box is drawn at
// most kMostShrink smaller, and beyond that rounded in exponent form at the normal size
// ("3.937e+34"): never a clipped number, never one too small to read.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr qreal kMostShrink = 1; // points

    explicit ResultLabel(QWidget* parent = nullptr);

    // Shows `result`, tells screen readers following the box, and puts a value not drawn whole
    // at the normal size in full in the tool tip.
    void showResult(const QString& result);

    struct Drawn {
        QFont font;
        QString text;
    };
    // What is drawn at the box's current width.
    Drawn drawn() const;

signals:
    // The box's context menu asks for its full value on the clipboard.
    void copyRequested(const QString& value);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRoom() const;
    bool isWhole(const Drawn& shown) const;
    void updateFullValueTip();
};

// The unit symbol beside a result box, which readers pass by: the result box says its unit in
// words.
class UnitSymbolLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

} // namespace quantell
