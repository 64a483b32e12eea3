#include "panes/TexteBrut.h"

#include <QTextDocument>

QString legendeBrute(const QString& texte)
{
    QString t = texte;
    return t.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString infoBulleBrute(const QString& texte)
{
    // Written as markup that shows the text itself, only when it would be read as markup.
    return Qt::mightBeRichText(texte) ? Qt::convertFromPlainText(texte, Qt::WhiteSpacePre) : texte;
}

QString titreBrut(const QString& texte)
{
    QString t = texte;
    return t.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}
