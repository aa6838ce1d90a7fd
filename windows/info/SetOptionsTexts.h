#pragma once
// The rules of the Set tab's tray, weather-server and proxy fields, without widgets.

#include <QString>
#include <QStringList>

#include <optional>

namespace orbelune {

// The tray icon types by the items of the tray choice: off, temperature, moon,
// animation.
char TrayTypeOfItem(int Item);
// The item of a type; any unknown type shows as off.
int TrayItemOfType(char Type);

// The hosts the weather-server box offers, the built-in one first: public servers of
// the decoded station reports.
QStringList WeatherServerHosts();

// The weather server a text of its box names: the text, cut to 128 characters, when
// it is longer than 5 characters and holds a "."; nothing otherwise.
std::optional<QString> WeatherServerFromText(const QString& Text);

// The proxy port a text of its field gives: 0 for an empty text (no port), the number
// for a whole number from 0 to 65535 (blanks around allowed); nothing for any other
// text, which leaves the setting as it was.
std::optional<int> ProxyPortFromText(const QString& Text);
// The field's text for a port: empty below 1.
QString ProxyPortText(int Port);

// The caption of the switch that starts the program with the user's session.
QString RunAtStartCaption();

}  // namespace orbelune
