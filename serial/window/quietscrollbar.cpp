#include "quietscrollbar.h"

#include <QStyle>
#include <QStyleOptionSlider>

QuietScrollBar::QuietScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{}

void QuietScrollBar::setState(int maximum, int pageStep, int value)
{
    settling = true;
    setRange(0, maximum);
    setPageStep(pageStep);
    setValue(value);
    settling = false;
    if (!(look() == shown))
        update();
}

void QuietScrollBar::sliderChange(SliderChange change)
{
    if (!settling && !(look() == shown))
        QScrollBar::sliderChange(change);
}

void QuietScrollBar::paintEvent(QPaintEvent *event)
{
    shown = look();
    QScrollBar::paintEvent(event);
}

QuietScrollBar::Look QuietScrollBar::look() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
        value() == minimum(), value() == maximum()};
}
