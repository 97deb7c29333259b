#include "shell/TraducteurTouches.h"

#include <QKeyEvent>
#include <QMouseEvent>

sf::Keyboard::Key TraducteurTouches::Touche(int k)
{
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::Num0 + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F15)
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::F1 + (k - Qt::Key_F1));
    switch (k)
    {
    case Qt::Key_Up: return sf::Keyboard::Up;
    case Qt::Key_Down: return sf::Keyboard::Down;
    case Qt::Key_Left: return sf::Keyboard::Left;
    case Qt::Key_Right: return sf::Keyboard::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter: return sf::Keyboard::Return;
    case Qt::Key_Escape: return sf::Keyboard::Escape;
    case Qt::Key_Space: return sf::Keyboard::Space;
    case Qt::Key_Tab: return sf::Keyboard::Tab;
    case Qt::Key_Backspace: return sf::Keyboard::BackSpace;
    case Qt::Key_Shift: return sf::Keyboard::LShift;
    case Qt::Key_Control: return sf::Keyboard::LControl;
    case Qt::Key_Alt: return sf::Keyboard::LAlt;
    case Qt::Key_Insert: return sf::Keyboard::Insert;
    case Qt::Key_Delete: return sf::Keyboard::Delete;
    case Qt::Key_Home: return sf::Keyboard::Home;
    case Qt::Key_End: return sf::Keyboard::End;
    case Qt::Key_PageUp: return sf::Keyboard::PageUp;
    case Qt::Key_PageDown: return sf::Keyboard::PageDown;
    case Qt::Key_Pause: return sf::Keyboard::Pause;
    case Qt::Key_Comma: return sf::Keyboard::Comma;
    case Qt::Key_Period: return sf::Keyboard::Period;
    case Qt::Key_Semicolon: return sf::Keyboard::SemiColon;
    case Qt::Key_Slash: return sf::Keyboard::Slash;
    case Qt::Key_Minus: return sf::Keyboard::Dash;
    case Qt::Key_Equal: return sf::Keyboard::Equal;
    case Qt::Key_Plus: return sf::Keyboard::Add;
    case Qt::Key_Asterisk: return sf::Keyboard::Multiply;
    default: return sf::Keyboard::Unknown;
    }
}

bool TraducteurTouches::Traduire(const QKeyEvent& e, bool appui, sf::Event& sortie)
{
    if (e.isAutoRepeat())
        return false; // la répétition des touches est coupée
    const sf::Keyboard::Key code = Touche(e.key());
    if (code == sf::Keyboard::Unknown)
        return false;
    sortie.type = appui ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    sortie.key.code = code;
    sortie.key.alt = e.modifiers() & Qt::AltModifier;
    sortie.key.control = e.modifiers() & Qt::ControlModifier;
    sortie.key.shift = e.modifiers() & Qt::ShiftModifier;
    sortie.key.system = e.modifiers() & Qt::MetaModifier;
    return true;
}

bool TraducteurTouches::Traduire(const QMouseEvent& e, bool appui, sf::Event& sortie)
{
    sortie.type = appui ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
    switch (e.button())
    {
    case Qt::LeftButton: sortie.mouseButton.button = sf::Mouse::Left; break;
    case Qt::RightButton: sortie.mouseButton.button = sf::Mouse::Right; break;
    case Qt::MiddleButton: sortie.mouseButton.button = sf::Mouse::Middle; break;
    default: return false;
    }
    sortie.mouseButton.x = e.pos().x();
    sortie.mouseButton.y = e.pos().y();
    return true;
}
