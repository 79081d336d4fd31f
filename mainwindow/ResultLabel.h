#pragma once

#include <QFont>
#include <QLabel>

namespace quantell {

// A result box: a framed, right-aligned label whose text stays the full result (the report
// reads it). A result too long for the box is drawn smaller, down to kFloorPoints, and
// beyond that as "…" and the number's end: never a clipped start that reads as another number.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr qreal kFloorPoints = 7;

    explicit ResultLabel(const QString& text, QWidget* parent = nullptr);

    // Shows `result`, with the full value in the tool tip and for screen readers.
    void showResult(const QString& result);

    struct Drawn {
        QFont font;
        QString text;
    };
    // What is drawn at the box's current width.
    Drawn drawn() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRoom() const;
};

} // namespace quantell
