#include "shell/RangeeOnglets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <vector>

namespace {
// A tab as a screen reader sees it: its "Press" chooses it, even when it is the row's current
// tab of an inactive row (the toolkit's own tab would then change nothing).
class OngletAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    OngletAccessible(RangeeOnglets* rangee, int i) : rangee_(rangee), i_(i) {}

    bool isValid() const override { return rangee_ && i_ < rangee_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return rangee_ ? rangee_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(rangee_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return rangee_->tabText(i_);
        if (t == QAccessible::Description)
            return rangee_->tabToolTip(i_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const bool courant = rangee_->active() && rangee_->currentIndex() == i_;
        s.selectable = true;
        s.selected = courant;
        s.focusable = true;
        s.focused = courant && rangee_->hasFocus();
        s.invisible = !rangee_->isVisible() || !rangee_->isTabVisible(i_);
        s.disabled = !rangee_->isTabEnabled(i_);
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = rangee_->tabRect(i_);
        return QRect(rangee_->mapToGlobal(r.topLeft()), r.size());
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (isValid() && action == pressAction())
            rangee_->choisir(i_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<RangeeOnglets> rangee_;
    int i_;
};

class RangeeAccessible : public QAccessibleWidget {
public:
    explicit RangeeAccessible(RangeeOnglets* r) : QAccessibleWidget(r, QAccessible::PageTabList) {}
    ~RangeeAccessible() override
    {
        for (QAccessible::Id id : enfants_)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return rangee()->count(); }
    QAccessibleInterface* child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        while (int(enfants_.size()) <= i) {
            auto* o = new OngletAccessible(rangee(), int(enfants_.size()));
            enfants_.push_back(QAccessible::registerAccessibleInterface(o));
        }
        return QAccessible::accessibleInterface(enfants_[std::size_t(i)]);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override
    {
        for (std::size_t i = 0; i < enfants_.size(); ++i)
            if (QAccessible::accessibleInterface(enfants_[i]) == enfant)
                return int(i);
        return -1;
    }

private:
    RangeeOnglets* rangee() const { return static_cast<RangeeOnglets*>(widget()); }
    mutable std::vector<QAccessible::Id> enfants_;
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("RangeeOnglets") && objet && objet->isWidgetType())
        return new RangeeAccessible(static_cast<RangeeOnglets*>(objet));
    return nullptr;
}
}  // namespace

RangeeOnglets::RangeeOnglets(QWidget* parent) : QTabBar(parent)
{
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
    setExpanding(true);
    setDrawBase(false);
    setUsesScrollButtons(false);
    connect(this, &QTabBar::tabBarClicked, this, [this](int i) { choisir(i); });
    // The arrows of the focused row that holds the selected tab.
    connect(this, &QTabBar::currentChanged, this, [this](int i) { choisir(i); });
}

void RangeeOnglets::definirActive(bool active)
{
    active_ = active;
    update();
}

void RangeeOnglets::choisir(int i)
{
    if (i >= 0 && i < count())
        emit choisi(i);
}

void RangeeOnglets::keyPressEvent(QKeyEvent* e)
{
    // In the row without the selected tab, the arrows enter the row at its first or last tab.
    if (!active_ && count() > 0 && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right)) {
        const bool versFin = (e->key() == Qt::Key_Left) != (layoutDirection() == Qt::RightToLeft);
        choisir(versFin ? count() - 1 : 0);
        return;
    }
    QTabBar::keyPressEvent(e);
}

void RangeeOnglets::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab o;
        initStyleOption(&o, i);
        if (!active_)
            o.state &= ~QStyle::State_Selected;
        if (active_ && i == currentIndex())
            continue;  // drawn last, over its neighbours
        p.drawControl(QStyle::CE_TabBarTab, o);
    }
    if (active_ && currentIndex() >= 0) {
        QStyleOptionTab o;
        initStyleOption(&o, currentIndex());
        p.drawControl(QStyle::CE_TabBarTab, o);
    }
}
