#pragma once

#include <QWidget>

// A page of the page control. It is as large as the page control makes it: the
// window has a fixed size, and asking every page's layout for a size hint, hidden
// pages included, was a tenth of the start-up's instructions.
class TTabSheet : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
