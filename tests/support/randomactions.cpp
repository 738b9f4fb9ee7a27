#include "randomactions.h"

const QStringList Messages{"Inavlid range", "The ending value must be greater than the starting value.",
                           "The Starting Xvalue is not a number.", "The Ending Xvalue is not a number.",
                           "The coefficient is not a number.", "The equation cannot hold more than 26 terms.",
                           "Please enter the domain of X.", "Please enter a valid value", " Please enter a valid value. ",
                           "Please enter a valid value.", " Please enter a valid value."};
const QStringList Prompts{" Enter the value of a.Only integers (between 1 and 10) are acceptable.",
                          " Enter the value of a.Only integers (between 1 and 20) are acceptable.",
                          "Enter the value of a below. Only integers(between 0-10) are the acceptable choice"};

QString randomText(std::mt19937 &random)
{
    static const QString numbers[] = {"1", "2", "-3", "0.5", "10", "7"};
    if (random() % 2)
        return numbers[random() % std::size(numbers)];
    static const QString pieces[] = {"0", "1", "2", "5", "9", "-", "+", ".", ",", "e", "E", "x", "a", " ", "3.5", "-4"};
    QString text;
    const int n = 1 + random() % 5;
    for (int i = 0; i < n; ++i)
        text += pieces[random() % std::size(pieces)];
    if (random() % 40 == 0)
        text += QString(200 + random() % 400, QChar(u"09 -."[random() % 5]));
    return text;
}

