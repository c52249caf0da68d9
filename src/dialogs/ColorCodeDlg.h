#pragma once

#include "document/DisplayConfig.h"

#include <QDialog>
#include <QImage>

/// The colour-code dialog: the colour scale that paints the thermograph and the power-index
/// colours of the members, from the lowest value on the left to the highest on the right, with
/// the thermograph's mode and scale. Show confirms turning the colour code on; Cancel does not.
class CColorCodeDlg : public QDialog {
    Q_OBJECT

public:
    explicit CColorCodeDlg(const DisplayConfig& config, QWidget* parent = nullptr);
};

/// The colour scale of the settings as a picture: each column the colour of its share of the
/// range, the lowest value at the left.
QImage ColorScaleImage(const DisplayConfig& config, QSize size);
