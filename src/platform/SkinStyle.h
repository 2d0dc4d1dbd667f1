#pragma once

namespace lumo {

// The skin's colours for the menus and the small windows the player opens.
inline constexpr const char* kSkinMenuStyle = R"(
    QMenu { background: #1f232b; color: #d8e4f0; border: 1px solid #3a404c;
            font-family: 'DejaVu Sans'; font-size: 12px; }
    QMenu::item { padding: 4px 18px 4px 22px; }
    QMenu::item:selected { background: #2a4258; color: #ffffff; }
    QMenu::item:disabled { color: #7d8896; }
    QMenu::separator { height: 1px; background: #3a404c; margin: 3px 6px; }
)";

inline constexpr const char* kSkinDialogStyle = R"(
    QDialog { background: #1f232b; }
    QWidget { color: #d8e4f0; font-family: 'DejaVu Sans'; font-size: 12px; }
    QLineEdit, QComboBox { background: #15181e; border: 1px solid #3a404c; padding: 3px; }
    QLineEdit:focus, QComboBox:focus { border-color: #5a86ad; }
    QComboBox QAbstractItemView { background: #15181e; selection-background-color: #2a4258; }
    QPushButton { background: #2a303a; border: 1px solid #3a404c; padding: 4px 12px; }
    QPushButton:default { border-color: #5a86ad; }
    QPushButton:hover, QPushButton:focus { background: #2a4258; }
    QLabel#problem { color: #ff9a8a; }
)";

} // namespace lumo
