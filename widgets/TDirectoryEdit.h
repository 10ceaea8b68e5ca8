#pragma once
#include "TBrowseEdit.h"

// Line edit with a browse button opening the folder dialog; accepts a dropped folder.
class TDirectoryEdit : public TBrowseEdit {
    Q_OBJECT
public:
    explicit TDirectoryEdit(QWidget* parent = nullptr);

    void prepareDialog(QFileDialog& dialog) const override;
};
