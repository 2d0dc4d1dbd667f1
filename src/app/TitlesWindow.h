#pragma once

#include <QWidget>

class QListWidget;

namespace lumo {

class TitleHistory;

// The titles heard, newest first, in a small window of their own; Ctrl+C copies the selected
// line.
class TitlesWindow : public QWidget {
    Q_OBJECT
public:
    TitlesWindow(const TitleHistory& history, QWidget* parent);
    // Shows the history as it is now.
    void refresh();
    QListWidget* list() const { return m_list; }

private:
    const TitleHistory& m_history;
    QListWidget* m_list;
};

} // namespace lumo
