#include "app/UpdateProgressWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lumo {

namespace {

constexpr const char* kStyle =
    "lumo--UpdateProgressWindow { background: #13202c; border: 1px solid #3a5870; }"
    "QLabel { color: #bfe6ff; font-family: 'DejaVu Sans'; font-size: 12px; }"
    "QPushButton { color: #ffffff; background: #2a4258; border: 1px solid #4d7391;"
    " padding: 3px 14px; font-family: 'DejaVu Sans'; font-size: 11px; }"
    "QPushButton:pressed { background: #1b2d3c; }";

} // namespace

UpdateProgressWindow::UpdateProgressWindow(const QRect& place)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Lumo"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QLatin1String(kStyle));
    m_label = new QLabel(tr("Updating stations..."), this);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(m_label);
    layout->addWidget(m_cancel, 0, Qt::AlignCenter);
    setFixedSize(240, 84);
    move(place.center() - rect().center());
    connect(m_cancel, &QPushButton::clicked, this, &UpdateProgressWindow::cancelRequested);
}

void UpdateProgressWindow::showProgress(std::int32_t current, std::int32_t total) {
    if (total <= 0) {
        m_label->setText(
            tr("Updating stations... %1 MB").arg(QLocale().toString(current / 1e6, 'f', 1)));
        return;
    }
    const auto percent = std::clamp<std::int64_t>(std::int64_t{current} * 100 / total, 0, 100);
    m_label->setText(tr("Updating stations... %1 %").arg(percent));
}

void UpdateProgressWindow::showConverting() {
    m_label->setText(tr("Converting stations..."));
}

QString UpdateProgressWindow::text() const {
    return m_label->text();
}

void UpdateProgressWindow::closeEvent(QCloseEvent* event) {
    emit cancelRequested();
    event->ignore(); // the update closes it when it has stopped
}

} // namespace lumo
