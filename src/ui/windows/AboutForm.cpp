#include "ui/windows/AboutForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace korvanel {

LinkLabel::LinkLabel(const char *name, const QString &text, QUrl target, QWidget *parent)
    : QLabel(text, parent), m_target(std::move(target))
{
    setObjectName(QString::fromLatin1(name));
    setWordWrap(true);
    setMouseTracking(true);
    open = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    setTextColor(Qt::darkBlue);
}

void LinkLabel::setTextColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    setTextColor(Qt::red);
    setCursor(Qt::PointingHandCursor);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setTextColor(QColor(0, 0, 128));
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        setTextColor(Qt::darkGreen);
        if (open)
            open(m_target);
    }
    QLabel::mouseReleaseEvent(event);
}

namespace {

// A stage light throwing its beam: drawn, so no picture file is needed.
QPixmap aboutPicture()
{
    QPixmap picture(161, 121);
    picture.fill(QColor(0, 0, 64));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient beam(30, 20, 120, 110);
    beam.setColorAt(0, QColor(255, 250, 200, 230));
    beam.setColorAt(1, QColor(255, 200, 60, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(beam);
    p.drawPolygon(QPolygon({QPoint(28, 18), QPoint(44, 12), QPoint(150, 100), QPoint(95, 116)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawRoundedRect(QRect(10, 6, 34, 22), 4, 4);
    p.setBrush(QColor(255, 240, 160));
    p.drawEllipse(QPoint(40, 17), 5, 8);
    p.setPen(QPen(QColor(200, 200, 200), 2));
    p.drawLine(20, 28, 16, 44);
    p.drawLine(16, 44, 36, 44);
    return picture;
}

} // namespace

} // namespace korvanel

using korvanel::LinkLabel;

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("О программе"));
    // No system menu and no close box: the OK button is the one way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(361, 192);
    setMouseTracking(true);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, QColor(166, 202, 240));
    setPalette(sky);
    setAutoFillBackground(true);

    auto *version = new QLabel(tr("Version 4.4.5                 Июнь 2017 г."), this);
    auto *label1 = new QLabel(tr("Korvanel: пульт света DMX512"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    auto *label3 = new QLabel(tr("Вопросы и предложения:"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    auto *login = new LinkLabel("LabelLogin", QStringLiteral("korvanel@example.org"),
                                QUrl(QStringLiteral("mailto:korvanel@example.org")), this);
    m_http = new LinkLabel("LabelHTTP",
                           tr("Новая версия программы на сайте") + QStringLiteral(" https://example.org/korvanel"),
                           QUrl(QStringLiteral("https://example.org/korvanel")), this);
    m_update = new LinkLabel("lblUpDate", tr("Скачать новую версию "),
                             QUrl(QStringLiteral("https://example.org/korvanel/download")), this);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setFixedSize(161, 121);
    picture->setScaledContents(true);
    picture->setPixmap(korvanel::aboutPicture());
    auto *close = new QPushButton(tr("OK"), this);
    close->setObjectName(QStringLiteral("BitBtnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setVerticalSpacing(2);
    grid->addWidget(version, 0, 0, 1, 2);
    grid->addWidget(label1, 1, 0);
    grid->addWidget(label3, 2, 0);
    grid->addWidget(login, 3, 0);
    grid->addWidget(m_http, 4, 0);
    grid->addWidget(m_update, 5, 0);
    grid->addWidget(picture, 1, 1, 4, 1, Qt::AlignTop);
    grid->addWidget(close, 5, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 1);

    m_flash.setObjectName(QStringLiteral("TimerFlesh"));
    m_flash.setInterval(300);
    connect(&m_flash, &QTimer::timeout, this, &TAboutForm::TimerFleshTimer);
    m_flash.start();
}

void TAboutForm::TimerFleshTimer()
{
    ++m_flashes;
    QApplication::alert(this, 300);
}

void TAboutForm::mouseMoveEvent(QMouseEvent *event)
{
    for (QLabel *link : {m_update, m_http})
        link->setCursor(Qt::ArrowCursor);
    QDialog::mouseMoveEvent(event);
}
