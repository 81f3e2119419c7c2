#include "platform/picture_preview.h"

#include <QDialog>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TPicturePreview::TPicturePreview(QWidget *AParent)
    : QWidget(AParent), FCaption(new QLabel(this)), FPane(new QWidget(this)),
      FLargerButton(new QToolButton(this)) {
    FPane->setMinimumSize(160, 160);
    FPane->installEventFilter(this);
    FLargerButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    FLargerButton->setToolTip(tr("Show the picture larger"));
    connect(FLargerButton, &QToolButton::clicked, this, &TPicturePreview::ShowLarger);

    auto *Top = new QHBoxLayout;
    Top->addWidget(FCaption, 1);
    Top->addWidget(FLargerButton);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addLayout(Top);
    Layout->addWidget(FPane, 1);
    showFile(QString());
}

void TPicturePreview::showFile(const QString &AFileName) {
    FPicture = AFileName.isEmpty() ? QImage() : QImageReader(AFileName).read();
    FCaption->setText(
        FPicture.isNull()
            ? QStringLiteral("Picture:")
            : QStringLiteral(" (%1x%2)").arg(FPicture.width()).arg(FPicture.height()));
    FLargerButton->setEnabled(!FPicture.isNull());
    FPane->update();
}

QString TPicturePreview::caption() const {
    return FCaption->text();
}

bool TPicturePreview::eventFilter(QObject *AWatched, QEvent *AEvent) {
    if (AWatched == FPane && AEvent->type() == QEvent::Paint) {
        QPainter Painter(FPane);
        if (FPicture.isNull()) {
            Painter.drawText(FPane->rect(), Qt::AlignCenter, QStringLiteral("(None)"));
        } else {
            QRect Target(QPoint(), FPicture.size().scaled(FPane->size(), Qt::KeepAspectRatio));
            Target.moveCenter(FPane->rect().center());
            Painter.drawImage(Target, FPicture);
        }
        return true;
    }
    return QWidget::eventFilter(AWatched, AEvent);
}

void TPicturePreview::ShowLarger() {
    QDialog Window(this);
    auto *Picture = new QLabel;
    Picture->setPixmap(QPixmap::fromImage(FPicture));
    auto *Area = new QScrollArea(&Window);
    Area->setWidget(Picture);
    auto *Layout = new QVBoxLayout(&Window);
    Layout->addWidget(Area);
    const QSize Available = screen()->availableSize() * 4 / 5;
    Window.resize(FPicture.size().boundedTo(Available) + QSize(40, 40));
    Window.exec();
}
