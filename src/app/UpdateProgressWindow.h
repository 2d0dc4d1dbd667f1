#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QPushButton;

namespace lumo {

// Stands in for the player window while the station list is updated: what the transfer has
// done so far, and a Cancel button. Closing it cancels as well.
class UpdateProgressWindow : public QWidget {
    Q_OBJECT
public:
    // Shown centred over `place`, where the player window was.
    explicit UpdateProgressWindow(const QRect& place);

    // A transfer event: "Updating stations... 45 %", or the bytes received when the length
    // is not known ("Updating stations... 12.4 MB").
    void showProgress(std::int32_t current, std::int32_t total);
    // "Converting stations...".
    void showConverting();
    QString text() const;
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace lumo
