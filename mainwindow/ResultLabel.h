#pragma once

#include <QFont>
#include <QLabel>

namespace quantell {

// A result box: a framed, right-aligned label whose text stays the full result (the report
// reads it). A result too long for the box is drawn smaller, down to kFloorPoints, and
// beyond that rounded in exponent form ("3.937e+34"): never a clipped number.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr qreal kFloorPoints = 7;

    explicit ResultLabel(const QString& text, QWidget* parent = nullptr);

    // Shows `result`; a value not drawn whole at the normal size is there in full in the tool
    // tip and for screen readers.
    void showResult(const QString& result);

    struct Drawn {
        QFont font;
        QString text;
    };
    // What is drawn at the box's current width.
    Drawn drawn() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRoom() const;
    bool isWhole(const Drawn& shown) const;
    void updateFullValueTip();
};

} // namespace quantell
