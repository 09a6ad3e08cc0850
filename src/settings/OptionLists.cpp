#include "OptionLists.h"

const QStringList& ComposeOperatorNames() {
    static const QStringList names = {
        QStringLiteral("Undefined"), QStringLiteral("Over"),       QStringLiteral("In"),
        QStringLiteral("Out"),       QStringLiteral("Atop"),       QStringLiteral("Xor"),
        QStringLiteral("Plus"),      QStringLiteral("Minus"),      QStringLiteral("Add"),
        QStringLiteral("Subtract"),  QStringLiteral("Difference"), QStringLiteral("Multiply"),
        QStringLiteral("Bumpmap"),   QStringLiteral("Copy"),       QStringLiteral("CopyRed"),
        QStringLiteral("CopyGreen"), QStringLiteral("CopyBlue"),   QStringLiteral("CopyOpacity"),
        QStringLiteral("Clear"),     QStringLiteral("Dissolve"),   QStringLiteral("Displace"),
        QStringLiteral("Modulate"),  QStringLiteral("Threshold"),  QStringLiteral("No"),
        QStringLiteral("Darken"),    QStringLiteral("Lighten"),    QStringLiteral("Hue"),
        QStringLiteral("Saturate"),  QStringLiteral("Colorize"),   QStringLiteral("Luminize"),
        QStringLiteral("Screen"),    QStringLiteral("Overlay"),
    };
    return names;
}

const QStringList& GravityNames() {
    static const QStringList names = {
        QStringLiteral("Forget"),    QStringLiteral("NorthWest"),  QStringLiteral("North"),
        QStringLiteral("NorthEast"), QStringLiteral("West"),       QStringLiteral("Center"),
        QStringLiteral("East"),      QStringLiteral("SouthWest,"), QStringLiteral("South"),
        QStringLiteral("SouthEast"), QStringLiteral("Static"),
    };
    return names;
}
