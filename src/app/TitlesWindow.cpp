#include "app/TitlesWindow.h"

#include "app/TitleHistory.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>

namespace lumo {

TitlesWindow::TitlesWindow(const TitleHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_list(new QListWidget(this)) {
    setWindowTitle(tr("Lumo - Titles Heard"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 320);
    setStyleSheet(QStringLiteral(
        "QWidget { background: #1f232b; color: #d8e4f0; font-family: 'DejaVu Sans'; "
        "font-size: 12px; } QListWidget::item:selected { background: #2a4258; color: #ffffff; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_list);
    m_list->setAccessibleName(tr("Titles heard"));
    auto* copy = new QShortcut(QKeySequence::Copy, m_list);
    connect(copy, &QShortcut::activated, this, [this] {
        if (const QListWidgetItem* item = m_list->currentItem()) {
            QGuiApplication::clipboard()->setText(item->text());
        }
    });
    refresh();
}

void TitlesWindow::refresh() {
    m_list->clear();
    for (const TitleHistory::Heard& heard : m_history.titles()) {
        // Items show plain text: titles come from the stations.
        m_list->addItem(QString::fromStdString(TitleHistory::line(heard)));
    }
}

} // namespace lumo
