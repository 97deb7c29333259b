#include "shell/TraducteurTouches.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace
{
// Symboles X11 des touches que Qt confond (côté droit, pavé numérique verrouillé)
const quint32 X_SHIFT_R = 0xffe2, X_CONTROL_R = 0xffe4, X_ALT_R = 0xffea, X_SUPER_R = 0xffec;
const quint32 X_KP_HOME = 0xff95, X_KP_INSERT = 0xff9e;

// Pavé numérique sans verrouillage : Origine, Gauche, Haut, ... Inser donnent 7, 4, 8, ... 0
sf::Keyboard::Key PaveSansVerrou(quint32 symbole)
{
    static const sf::Keyboard::Key pave[] = {sf::Keyboard::Numpad7, sf::Keyboard::Numpad4, sf::Keyboard::Numpad8,
                                             sf::Keyboard::Numpad6, sf::Keyboard::Numpad2, sf::Keyboard::Numpad9,
                                             sf::Keyboard::Numpad3, sf::Keyboard::Numpad1, sf::Keyboard::Numpad5,
                                             sf::Keyboard::Numpad0};
    if (symbole >= X_KP_HOME && symbole <= X_KP_INSERT)
        return pave[symbole - X_KP_HOME];
    return sf::Keyboard::Unknown;
}

// Touches du pavé numérique signalées par le modificateur « Keypad »
sf::Keyboard::Key Pave(int k)
{
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::Numpad0 + (k - Qt::Key_0));
    switch (k)
    {
    case Qt::Key_Plus: return sf::Keyboard::Add;
    case Qt::Key_Minus: return sf::Keyboard::Subtract;
    case Qt::Key_Asterisk: return sf::Keyboard::Multiply;
    case Qt::Key_Slash: return sf::Keyboard::Divide;
    default: return sf::Keyboard::Unknown;
    }
}
} // namespace

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
    case Qt::Key_Enter: return sf::Keyboard::Enter;
    case Qt::Key_Escape: return sf::Keyboard::Escape;
    case Qt::Key_Space: return sf::Keyboard::Space;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return sf::Keyboard::Tab;
    case Qt::Key_Backspace: return sf::Keyboard::Backspace;
    case Qt::Key_Shift: return sf::Keyboard::LShift;
    case Qt::Key_Control: return sf::Keyboard::LControl;
    case Qt::Key_Alt: return sf::Keyboard::LAlt;
    case Qt::Key_AltGr: return sf::Keyboard::RAlt;
    case Qt::Key_Meta:
    case Qt::Key_Super_L: return sf::Keyboard::LSystem;
    case Qt::Key_Super_R: return sf::Keyboard::RSystem;
    case Qt::Key_Menu: return sf::Keyboard::Menu;
    case Qt::Key_Insert: return sf::Keyboard::Insert;
    case Qt::Key_Delete: return sf::Keyboard::Delete;
    case Qt::Key_Home: return sf::Keyboard::Home;
    case Qt::Key_End: return sf::Keyboard::End;
    case Qt::Key_PageUp: return sf::Keyboard::PageUp;
    case Qt::Key_PageDown: return sf::Keyboard::PageDown;
    case Qt::Key_Pause: return sf::Keyboard::Pause;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return sf::Keyboard::LBracket;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return sf::Keyboard::RBracket;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return sf::Keyboard::Semicolon;
    case Qt::Key_Comma:
    case Qt::Key_Less: return sf::Keyboard::Comma;
    case Qt::Key_Period:
    case Qt::Key_Greater: return sf::Keyboard::Period;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return sf::Keyboard::Quote;
    case Qt::Key_Slash:
    case Qt::Key_Question: return sf::Keyboard::Slash;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return sf::Keyboard::Backslash;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return sf::Keyboard::Tilde;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return sf::Keyboard::Equal;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return sf::Keyboard::Hyphen;
    // Avec Maj, la rangée des chiffres (disposition américaine)
    case Qt::Key_ParenRight: return sf::Keyboard::Num0;
    case Qt::Key_Exclam: return sf::Keyboard::Num1;
    case Qt::Key_At: return sf::Keyboard::Num2;
    case Qt::Key_NumberSign: return sf::Keyboard::Num3;
    case Qt::Key_Dollar: return sf::Keyboard::Num4;
    case Qt::Key_Percent: return sf::Keyboard::Num5;
    case Qt::Key_AsciiCircum: return sf::Keyboard::Num6;
    case Qt::Key_Ampersand: return sf::Keyboard::Num7;
    case Qt::Key_Asterisk: return sf::Keyboard::Num8;
    case Qt::Key_ParenLeft: return sf::Keyboard::Num9;
    default: return sf::Keyboard::Unknown;
    }
}

sf::Keyboard::Key TraducteurTouches::Touche(const QKeyEvent& e)
{
    // Le symbole natif (X11) départage la gauche et la droite, et le pavé sans verrouillage
    switch (e.nativeVirtualKey())
    {
    case X_SHIFT_R: return sf::Keyboard::RShift;
    case X_CONTROL_R: return sf::Keyboard::RControl;
    case X_ALT_R: return sf::Keyboard::RAlt;
    case X_SUPER_R: return sf::Keyboard::RSystem;
    default: break;
    }
    if (e.modifiers() & Qt::KeypadModifier)
    {
        sf::Keyboard::Key pave = Pave(e.key());
        if (pave == sf::Keyboard::Unknown)
            pave = PaveSansVerrou(e.nativeVirtualKey());
        if (pave != sf::Keyboard::Unknown)
            return pave;
    }
    return Touche(e.key());
}

bool TraducteurTouches::Traduire(const QKeyEvent& e, bool appui, sf::Event& sortie)
{
    if (e.isAutoRepeat())
        return false; // la répétition des touches est coupée
    const sf::Keyboard::Key code = Touche(e);
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
