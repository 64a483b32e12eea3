#include "core/VerificationVersion.h"

#include "core/Version.h"
#include "platform/Adresses.h"
#include "platform/ClientWeb.h"
#include "platform/Dialogues.h"
#include "platform/Shell.h"

#include <QRegularExpression>
#include <algorithm>

std::optional<QList<int>> NumerosVersion(const QString& numero)
{
    if (numero.isEmpty())
        return std::nullopt;
    QList<int> parties;
    for (const QString& p : numero.split(u'.')) {
        if (p.isEmpty() || !std::all_of(p.begin(), p.end(), [](QChar c) {
                return c >= u'0' && c <= u'9';
            }))
            return std::nullopt;
        bool ok = false;
        const int n = p.toInt(&ok);
        if (!ok)
            return std::nullopt;
        parties << n;
    }
    return parties;
}

int ComparerVersions(const QList<int>& a, const QList<int>& b)
{
    const qsizetype n = std::max(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int x = i < a.size() ? a[i] : 0;
        const int y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

void VerifierVersion(bool silencieux, ClientWeb& web, Dialogues& dialogues, Shell& shell,
                     const Adresses& adresses, int delaiMs)
{
    const QByteArray texte = web.telecharger(adresses.fichierVersion(), delaiMs);

    // Only the first line counts; its line end and surrounding blanks are not part of the number.
    std::optional<QList<int>> enLigne;
    QString numero;
    if (texte.startsWith("Version ")) {
        const QString reste = QString::fromUtf8(texte.mid(8));
        numero = reste.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0).trimmed();
        enLigne = NumerosVersion(numero);
    }
    if (!enLigne) {
        if (!silencieux)
            dialogues.exclamation(QStringLiteral("Problème d'accès au site Kelmor.\n"
                                                 "La version n'a pas pu être vérifiée."));
        return;
    }

    if (ComparerVersions(*NumerosVersion(kNumeroVersion), *enLigne) < 0) {
        const QString question = QStringLiteral("Une mise à jour est disponible !\n\n"
                                                "Votre version actuelle      : ")
            + kNumeroVersion + QStringLiteral("   \nNouvelle version en ligne : ") + numero
            + QStringLiteral("   \n\nSouhaitez-vous la télécharger ?");
        // No installer to run here: the download page says how to update.
        if (dialogues.question(question))
            shell.ouvrir(adresses.pageTelechargement());
        return;
    }

    if (!silencieux)
        dialogues.information(QStringLiteral("Votre version est à jour (") + kNumeroVersion
                              + QStringLiteral(").\nAucune mise à jour n'est nécessaire."));
}
