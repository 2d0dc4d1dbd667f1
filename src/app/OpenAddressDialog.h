#pragma once

#include "app/GivenStation.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumo {

// "Open Address...": the address of a station to play (or a playlist file's path), pre-filled
// from the clipboard when it holds an address. Play plays it, "Add to My Stations" offers it
// for keeping; what the allow-list refuses is said in the window, which stays. It deletes
// itself on closing.
class OpenAddressDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(const GivenStation&)> play;
        std::function<void(const GivenStation&)> keep;
    };
    OpenAddressDialog(Actions actions, QWidget* parent);

    QLineEdit* address = nullptr;
    QLabel* problem = nullptr;
    QPushButton* playButton = nullptr;
    QPushButton* keepButton = nullptr;

private:
    void take(bool keep);

    Actions m_actions;
};

} // namespace lumo
