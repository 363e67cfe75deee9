#pragma once

#include <QScrollBar>

// A scroll bar that repaints when what it shows changes, not at every change
// of its range or value: a view that grows by many lines a second moves its
// handle only now and then.
class QuietScrollBar : public QScrollBar
{
public:
    explicit QuietScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Sets range, page step and value, and repaints once if the look changed.
    void setState(int maximum, int pageStep, int value);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Look
    {
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look &other) const
        {
            return handle == other.handle && atMinimum == other.atMinimum &&
                   atMaximum == other.atMaximum;
        }
    };
    Look look() const;

    Look shown;
    bool settling = false;
};
