#include "TTabSheet.h"

QSize TTabSheet::sizeHint() const
{
    return size();
}

QSize TTabSheet::minimumSizeHint() const
{
    return {0, 0};
}
