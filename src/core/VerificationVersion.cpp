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

namespace {

void comparerVersion(bool silencieux, const QByteArray& texte, Dialogues& dialogues, Shell& shell,
                     const Adresses& adresses)
{
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
            dialogues.quandLibre([&dialogues] {
                dialogues.exclamation(QStringLiteral("Problème d'accès au site Kelmor.\n"
                                                     "La version n'a pas pu être vérifiée."));
            });
        return;
    }

    if (ComparerVersions(*NumerosVersion(kNumeroVersion), *enLigne) < 0) {
        const QString question = QStringLiteral("Une mise à jour est disponible !\n\n"
                                                "Votre version actuelle      : ")
            + kNumeroVersion + QStringLiteral("   \nNouvelle version en ligne : ") + numero
            + QStringLiteral("   \n\nSouhaitez-vous la télécharger ?");
        // No installer to run here: the download page says how to update. Asked once no
        // other box is open, as the answer may come at any time.
        const QString page = adresses.pageTelechargement();
        dialogues.quandLibre([&dialogues, &shell, question, page] {
            dialogues.question(question, Suite<bool>([&shell, page](bool oui) {
                if (oui)
                    shell.ouvrir(page);
            }));
        });
        return;
    }

    if (!silencieux)
        dialogues.quandLibre([&dialogues] {
            dialogues.information(QStringLiteral("Votre version est à jour (") + kNumeroVersion
                                  + QStringLiteral(").\nAucune mise à jour n'est nécessaire."));
        });
}

}  // namespace

void VerifierVersion(bool silencieux, ClientWeb& web, Dialogues& dialogues, Shell& shell, const Adresses& adresses,
                     int delaiMs, Suite<> repondu)
{
    web.telecharger(adresses.fichierVersion(), delaiMs,
                    Suite<QByteArray>([=, &dialogues, &shell](const QByteArray& texte) {
                        repondu();
                        comparerVersion(silencieux, texte, dialogues, shell, adresses);
                    }));
}
