#include "app/page_slb.h"

#include "app/errorreport.h"
#include "app/inputcheck.h"
#include "app/numberedit.h"
#include "calc/hourly.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kSetAside(192, 192, 192);

constexpr int kEuroWidth = 96;
constexpr int kProzentWidth = 60;

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

void paintNavy(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, kNavy);
    w->setPalette(p);
}

// The clipboard button's picture: a board with a sheet of paper and a clip.
QIcon clipboardIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(96, 64, 32));
    p.setBrush(QColor(176, 128, 72));
    p.drawRect(2, 2, 11, 13);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawRect(4, 4, 7, 9);
    p.setPen(QColor(0, 0, 128));
    for (int y : {7, 9, 11})
        p.drawLine(5, y, 9, y);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(5, 0, 5, 3);
    return QIcon(pm);
}

} // namespace

HourlyRatePage::HourlyRatePage(InputCheck &check, QWidget *parent) : QWidget(parent), m_check(check)
{
    setObjectName(QStringLiteral("stp_SLB"));
    using calc::FieldKind;
    using Role = NumberEdit::Role;

    m_bruttolohn =
        addInput(new NumberEdit(QStringLiteral("le_SLB_Bruttolohn"), 2, FieldKind::Money));
    m_bruttolohn->setToolTip(QStringLiteral("Bruttolohn laut Gehaltsabrechnung"));
    m_wochenstunden = addInput(new NumberEdit(QStringLiteral("le_SLB_Wochenstunden"), 2));
    m_wochenstunden->setToolTip(QStringLiteral("Wie viele Stunden in der Woche wird gearbeitet?"));
    m_stundenlohn =
        new NumberEdit(QStringLiteral("le_SLB_Stundenlohn"), 2, FieldKind::Money, Role::Result);
    m_stundenlohn->setToolTip(QStringLiteral("errechneter Stundenlohn"));
    m_stundenlohn->setFocusPolicy(Qt::StrongFocus); // read-only, but Tab stops here

    m_zwischenablage = new QToolButton;
    m_zwischenablage->setObjectName(QStringLiteral("sb_SLB_Zwischenablage"));
    m_zwischenablage->setIcon(clipboardIcon());
    m_zwischenablage->setToolTip(QStringLiteral("In die Zwischenablage kopieren."));
    m_zwischenablage->setAutoRaise(true);
    m_zwischenablage->setFocusPolicy(Qt::NoFocus);

    m_nurEinFeld = new QCheckBox(QStringLiteral("pro Bereich nur Euro oder %"));
    m_nurEinFeld->setObjectName(QStringLiteral("cb_nur_ein_Feld"));
    paintNavy(m_nurEinFeld);

    // thresholds of the input check: Euro per hour, percent of the wage
    const struct
    {
        const char *name;
        Limits euro;
        Limits prozent;
    } rows[] = {{"Ausfall", {40, 100}, {80, 100}},
                {"Sozial", {30, 100}, {25, 100}},
                {"Sach", {20, 100}, {20, 100}},
                {"Gewinn", {50, 1000}, {50, 1000}}};
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const QString base = QStringLiteral("le_SLB_") + QLatin1String(rows[i].name);
        Row &row = m_rows[i];
        row.euro = addInput(new NumberEdit(base + QStringLiteral("_E"), 2));
        row.prozent = addInput(new NumberEdit(base + QStringLiteral("_P"), 1));
        row.euroLimits = rows[i].euro;
        row.prozentLimits = rows[i].prozent;
    }

    m_verrechnungssatz = new NumberEdit(QStringLiteral("le_SLB_Verrechnungssatz"), 2,
                                        FieldKind::Money, Role::Result);
    m_verrechnungssatz->setFocusPolicy(Qt::ClickFocus); // Tab passes it by

    buildLayout();

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (NumberEdit *e : findChildren<NumberEdit *>())
        e->setTextColor(windowText);

    QWidget *order[] = {m_bruttolohn,      m_wochenstunden, m_stundenlohn,     m_rows[0].euro,
                        m_rows[0].prozent, m_rows[1].euro,  m_rows[1].prozent, m_rows[2].euro,
                        m_rows[2].prozent, m_rows[3].euro,  m_rows[3].prozent, m_nurEinFeld};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connectHandlers();
}

NumberEdit *HourlyRatePage::addInput(NumberEdit *field)
{
    field->installEventFilter(this);
    return field;
}

QLabel *HourlyRatePage::addLabel(const QString &name, const QString &caption)
{
    // no buddy: the label shows its text as it stands, "&" included
    auto *label = new QLabel(caption);
    label->setObjectName(name);
    paintNavy(label);
    return label;
}

void HourlyRatePage::buildLayout()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    for (NumberEdit *e : {m_bruttolohn, m_wochenstunden, m_stundenlohn, m_verrechnungssatz})
        e->setFixedWidth(kEuroWidth);
    for (const Row &row : m_rows) {
        row.euro->setFixedWidth(kEuroWidth);
        row.prozent->setFixedWidth(kProzentWidth);
    }

    int r = 0;
    grid->addWidget(addLabel(QStringLiteral("l_SLB_Bruttolohn"), QStringLiteral("Bruttolohn")), r,
                    0);
    grid->addWidget(m_bruttolohn, r++, 1);
    grid->addWidget(
        addLabel(QStringLiteral("l_SLB_Wochenstunden"), QStringLiteral("Wochenarbeitsstunden")), r,
        0);
    grid->addWidget(m_wochenstunden, r++, 1);
    grid->addWidget(addLabel(QStringLiteral("l_SLB_Stundenlohn"), QStringLiteral("Stundenlohn")), r,
                    0);
    grid->addWidget(m_stundenlohn, r, 1);
    grid->addWidget(m_zwischenablage, r++, 2, Qt::AlignLeft | Qt::AlignVCenter);

    grid->setRowMinimumHeight(r++, 12);
    grid->addWidget(m_nurEinFeld, r++, 0, 1, 3, Qt::AlignLeft);
    grid->setRowMinimumHeight(r++, 4);

    QLabel *euroHead = addLabel(QStringLiteral("Label1"), QStringLiteral("Euro"));
    QLabel *prozentHead = addLabel(QStringLiteral("Label2"), QStringLiteral("%"));
    grid->addWidget(euroHead, r, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(prozentHead, r++, 2, Qt::AlignLeft | Qt::AlignBottom);

    const QString rowLabels[] = {QStringLiteral("Ausfallfaktoren"), QStringLiteral("Soziallasten"),
                                 QStringLiteral("Sachkosten"), QStringLiteral("Wagnis & Gewinn")};
    const char *rowNames[] = {"l_SLB_Ausfall", "l_SLB_Sozial", "l_SLB_Sach", "l_SLB_Gewinn"};
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rowLabels[i] = addLabel(QLatin1String(rowNames[i]), rowLabels[i]);
        grid->addWidget(m_rowLabels[i], r, 0);
        grid->addWidget(m_rows[i].euro, r, 1);
        grid->addWidget(m_rows[i].prozent, r++, 2, Qt::AlignLeft);
    }

    grid->setRowMinimumHeight(r++, 12);
    grid->addWidget(
        addLabel(QStringLiteral("l_SLB_Verrechnungssatz"), QStringLiteral("Verrechnungssatz")), r,
        0);
    grid->addWidget(m_verrechnungssatz, r++, 1);

    grid->setRowStretch(r, 1);
    grid->setColumnStretch(3, 1);
}

void HourlyRatePage::connectHandlers()
{
    const auto onExit = [this](NumberEdit *field, void (HourlyRatePage::*handler)()) {
        onEvent(field, &NumberEdit::exited, this, [this, handler] {
            // Two failed checks in one exit hand the focus back and forth: the field that got
            // it back and loses it again is not left anew, or the exits would never end.
            if (m_inExit)
                return;
            const QScopedValueRollback<bool> inExit(m_inExit, true);
            (this->*handler)();
        });
    };
    onExit(m_bruttolohn, &HourlyRatePage::le_SLB_BruttolohnExit);
    onExit(m_wochenstunden, &HourlyRatePage::le_SLB_WochenstundenExit);
    onExit(m_rows[Ausfall].euro, &HourlyRatePage::le_SLB_Ausfall_EExit);
    onExit(m_rows[Sozial].euro, &HourlyRatePage::le_SLB_Sozial_EExit);
    onExit(m_rows[Sach].euro, &HourlyRatePage::le_SLB_Sach_EExit);
    onExit(m_rows[Gewinn].euro, &HourlyRatePage::le_SLB_Gewinn_EExit);
    onExit(m_rows[Ausfall].prozent, &HourlyRatePage::le_SLB_Ausfall_PExit);
    onExit(m_rows[Sozial].prozent, &HourlyRatePage::le_SLB_Sozial_PExit);
    onExit(m_rows[Sach].prozent, &HourlyRatePage::le_SLB_Sach_PExit);
    onExit(m_rows[Gewinn].prozent, &HourlyRatePage::le_SLB_Gewinn_PExit);
    onEvent(m_stundenlohn, &NumberEdit::changed, this, [this] { le_SLB_StundenlohnChange(); });
    onEvent(m_rows[Ausfall].euro, &NumberEdit::changed, this, [this] { le_SLB_Ausfall_EChange(); });
    onEvent(m_zwischenablage, &QToolButton::clicked, this,
            [this] { sb_SLB_ZwischenablageClick(); });
}

bool HourlyRatePage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & ~Qt::KeypadModifier)) {
            // handed on as a Tab, so the field is left exactly as by Tab
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(watched, &tab);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool HourlyRatePage::check(NumberEdit *field, Limits limits)
{
    return m_check.p_Eingabe_Prüfen(field, limits.fraglich, limits.unmoeglich);
}

void HourlyRatePage::recomputeWage()
{
    m_stundenlohn->setNumberText(text(calc::Stundenlohn(m_bruttolohn->text().toStdString(),
                                                        m_wochenstunden->text().toStdString())));
}

void HourlyRatePage::f_Berechnen()
{
    calc::Zuschlaege zuschlaege;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        zuschlaege[i] = {m_rows[i].euro->lenient(), m_rows[i].prozent->lenient()};
    // the wage as shown: the rate starts from the rounded cents
    m_verrechnungssatz->setNumber(calc::Verrechnungssatz(m_stundenlohn->lenient(), zuschlaege));
}

void HourlyRatePage::p_bearbeiten(NumberEdit *kEdit, bool boBearbeiten)
{
    if (boBearbeiten) {
        kEdit->setBackground(QColor()); // the window colour
        return;
    }
    kEdit->setBackground(kSetAside);
    kEdit->setNumberText(QStringLiteral("0,00"));
}

void HourlyRatePage::le_SLB_BruttolohnExit()
{
    recomputeWage();
}

void HourlyRatePage::le_SLB_WochenstundenExit()
{
    if (m_check.p_Eingabe_Prüfen(m_wochenstunden, 50, 168))
        recomputeWage();
}

void HourlyRatePage::le_SLB_StundenlohnChange()
{
    f_Berechnen();
}

void HourlyRatePage::le_SLB_Ausfall_EChange()
{
    const Row &row = m_rows[Ausfall];
    const double v = row.euro->lenient();
    if (m_nurEinFeld->isChecked())
        p_bearbeiten(row.prozent, v <= 0);
    check(row.prozent, row.prozentLimits);
}

void HourlyRatePage::euroExit(Bereich bereich)
{
    const Row &row = m_rows[bereich];
    const double v = row.euro->lenient();
    // a positive downtime amount always stands alone; the other rows only when asked for
    if (v > 0 && (bereich == Ausfall || m_nurEinFeld->isChecked())) {
        p_bearbeiten(row.prozent, false);
        p_bearbeiten(row.euro, true);
    }
    f_Berechnen();
    if (bereich == Sach) {
        check(row.prozent, row.prozentLimits);
        check(row.euro, row.euroLimits);
    } else {
        check(row.euro, row.euroLimits);
        check(row.prozent, row.prozentLimits);
    }
}

void HourlyRatePage::prozentExit(Bereich bereich)
{
    const Row &row = m_rows[bereich];
    if (check(row.prozent, row.prozentLimits)) {
        const double v = row.prozent->lenient();
        if (v > 0 && m_nurEinFeld->isChecked()) {
            p_bearbeiten(row.euro, false);
            p_bearbeiten(row.prozent, true);
        }
        f_Berechnen();
    }
    check(row.euro, row.euroLimits);
    if (bereich == Ausfall)
        check(row.prozent, row.prozentLimits);
}

void HourlyRatePage::le_SLB_Ausfall_EExit()
{
    euroExit(Ausfall);
}

void HourlyRatePage::le_SLB_Sozial_EExit()
{
    euroExit(Sozial);
}

void HourlyRatePage::le_SLB_Sach_EExit()
{
    euroExit(Sach);
}

void HourlyRatePage::le_SLB_Gewinn_EExit()
{
    euroExit(Gewinn);
}

void HourlyRatePage::le_SLB_Ausfall_PExit()
{
    prozentExit(Ausfall);
}

void HourlyRatePage::le_SLB_Sozial_PExit()
{
    prozentExit(Sozial);
}

void HourlyRatePage::le_SLB_Sach_PExit()
{
    prozentExit(Sach);
}

void HourlyRatePage::le_SLB_Gewinn_PExit()
{
    prozentExit(Gewinn);
}

void HourlyRatePage::sb_SLB_ZwischenablageClick()
{
    QApplication::clipboard()->setText(m_stundenlohn->text());
}
