#include "dialogs/ColorCodeDlg.h"

#include "views/ThermoColors.h"
#include "views/ThermoModeNames.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kScaleSize(360, 28);

QString ModeName(int typeThermo) {
    const int mode = typeThermo & ~kThermoFlagBits;
    for (const auto& [code, name] : kThermoModeNames)
        if (code == mode)
            return QObject::tr(name);
    return QObject::tr("Mode %1").arg(mode);
}

} // namespace

QImage ColorScaleImage(const DisplayConfig& config, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int last = std::max(1, size.width() - 1);
    for (int column = 0; column < size.width(); ++column) {
        painter.setPen(ThermoColor(config, static_cast<double>(column) / last, 1.0));
        painter.drawLine(column, 0, column, size.height() - 1);
    }
    return image;
}

CColorCodeDlg::CColorCodeDlg(const DisplayConfig& config, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Color Code"));
    auto* intro = new QLabel(tr("Values are coloured on this scale, from the lowest at the left "
                                "to the highest at the right. It paints the thermograph and, "
                                "with the power-index colours, the members' symbols."));
    intro->setWordWrap(true);
    auto* scale = new QLabel;
    scale->setObjectName("scale");
    scale->setPixmap(QPixmap::fromImage(ColorScaleImage(config, kScaleSize)));
    scale->setFrameShape(QFrame::Box);
    scale->setFixedSize(kScaleSize + QSize(2, 2));
    auto* ticks = new QGridLayout;
    ticks->addWidget(new QLabel(tr("Low")), 0, 0, Qt::AlignLeft);
    ticks->addWidget(new QLabel(tr("Middle")), 0, 1, Qt::AlignHCenter);
    ticks->addWidget(new QLabel(tr("High")), 0, 2, Qt::AlignRight);
    const bool shades = (config.typeThermo & kThermoShadeBit) != 0;
    auto* mode = new QLabel(
        tr("Thermograph: %1, %2.")
            .arg(ModeName(config.typeThermo),
                 shades ? tr("shades of the thermograph colour") : tr("hues from violet to red")));
    mode->setObjectName("mode");
    mode->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Show"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(scale, 0, Qt::AlignHCenter);
    layout->addLayout(ticks);
    layout->addWidget(mode);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
