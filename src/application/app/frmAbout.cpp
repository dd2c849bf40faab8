#include "frmAbout.h"
#include "Version.h"

#include "widgets/ImageList.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(const QString& settingsFile, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About KELDO Chat"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(ImageList::Picture(QStringLiteral("Terminal")).scaled(40, 40));
    auto* product = new QLabel(QStringLiteral("KELDO Terminal"), this);
    product->setObjectName(QStringLiteral("lblProduct"));
    QFont f = product->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    product->setFont(f);
    //: %1 is the version number; the blanks after it are kept.
    auto* version = new QLabel(tr("Version %1    ").arg(QStringLiteral(KELDO_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* blurb = new QLabel(tr("Keyboard chat terminal for the KELDO modems."), this);
    blurb->setObjectName(QStringLiteral("lblDescription"));
    // Which file holds the settings: beside the program, under ~/.config or
    // named by --settings. Long paths are cut in the middle; the tooltip
    // gives the whole path.
    const QString nativeFile = QDir::toNativeSeparators(settingsFile);
    auto* settings = new QLabel(this);
    settings->setObjectName(QStringLiteral("lblSettingsFile"));
    settings->setText(tr("Settings: %1").arg(settings->fontMetrics().elidedText(nativeFile, Qt::ElideMiddle, 360)));
    settings->setToolTip(nativeFile);
    settings->setAccessibleDescription(tr("Settings file: %1").arg(nativeFile));
    settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = new QPushButton(tr("Close"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addWidget(blurb);
    texts->addWidget(settings);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}
