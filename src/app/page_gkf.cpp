#include "app/page_gkf.h"

#include "app/errorreport.h"
#include "app/inputcheck.h"
#include "app/numberedit.h"
#include "app/sectionbox.h"
#include "app/spinarrows.h"
#include "app/statecombo.h"
#include "calc/downtime.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);
// what the window gains or loses when a section opens or collapses
constexpr int kWindowStep = 55;
// the index of the stretch below the boxes in the page's layout
constexpr int kStretchIndex = 5;

std::string utf8(const NumberEdit *e)
{
    return e->text().toStdString();
}

void put(NumberEdit *e, const std::string &shown)
{
    e->setNumberText(QString::fromStdString(shown));
}

void setNavy(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, kNavy);
    p.setColor(QPalette::Text, kNavy);
    w->setPalette(p);
}

QGridLayout *fieldGrid(SectionBox *box, int columns)
{
    auto *grid = new QGridLayout(box->content());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(0);
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
    return grid;
}

} // namespace

DowntimePage::DowntimePage(InputCheck &check, QWidget *parent) : QWidget(parent), m_check(check)
{
    setObjectName(QStringLiteral("stp_GFK"));
    m_seitenwechsel = new QCheckBox(QStringLiteral("Seitenwechsel"), this);
    m_seitenwechsel->setObjectName(QStringLiteral("cb_GKF_Seitenwechsel"));
    m_seitenwechsel->hide();

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->setSpacing(2);
    buildArbeitszeit();
    buildUrlaub();
    buildSchule();
    buildFeiertage();
    buildErgebnis();
    m_layout->addStretch(0);

    // Tab goes through the inputs only; the result fields take the focus by a click alone
    QWidget::setTabOrder(m_wochenstunden, m_arbeitstage);
    QWidget::setTabOrder(m_arbeitstage, m_gbUrlaub);
    QWidget::setTabOrder(m_gbUrlaub, m_urlaubstage);
    QWidget::setTabOrder(m_urlaubstage, m_krank);
    QWidget::setTabOrder(m_krank, m_gbSchule);
    QWidget::setTabOrder(m_gbSchule, m_schulwochen);
    QWidget::setTabOrder(m_schulwochen, m_schultage);
    QWidget::setTabOrder(m_schultage, m_gbFeiertage);
    QWidget::setTabOrder(m_gbFeiertage, m_bundesland);
    QWidget::setTabOrder(m_bundesland, m_feiertage);
    QWidget::setTabOrder(m_feiertage, m_verrechnet);

    connectHandlers();
}

NumberEdit *DowntimePage::addField(QGridLayout *grid, int row, int column, const QString &name,
                                   const QString &label, int decimals, bool result,
                                   const QString &hint, Qt::Alignment alignment, QWidget *beside)
{
    auto *field = new NumberEdit(name, decimals, calc::FieldKind::Decimal,
                                 result ? NumberEdit::Role::Result : NumberEdit::Role::Input);
    field->setTextColor(kNavy);
    field->setAlignment(alignment | Qt::AlignVCenter);
    if (!hint.isEmpty())
        field->setToolTip(hint);
    if (result)
        field->setFocusPolicy(Qt::ClickFocus);
    auto *caption = new QLabel(label);
    setNavy(caption);
    caption->setBuddy(field);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(caption, row, column);
    if (beside) {
        auto *cell = new QHBoxLayout;
        cell->setSpacing(2);
        cell->addWidget(field, 1);
        cell->addWidget(beside);
        grid->addLayout(cell, row + 1, column);
    } else {
        grid->addWidget(field, row + 1, column);
    }
    return field;
}

void DowntimePage::buildArbeitszeit()
{
    m_gbArbeitszeit = new SectionBox(QStringLiteral("gb_GKF_Arbeitszeit"),
                                     QStringLiteral("Arbeitszeit"), false, this);
    m_layout->addWidget(m_gbArbeitszeit);
    QGridLayout *grid = fieldGrid(m_gbArbeitszeit, 3);
    m_wochenstunden = addField(grid, 0, 0, QStringLiteral("le_GKF_Wochenstunden"),
                               QStringLiteral("Stunden pro Woche"), 2, false,
                               QStringLiteral("Wie viele Stunden pro Woche werden gearbeitet?"));
    m_arbeitstage = addField(grid, 0, 1, QStringLiteral("le_GKF_Arbeitstage"),
                             QStringLiteral("Arbeitstage pro Woche"), 2, false,
                             QStringLiteral("Wie viele Tage pro Woche werden gearbeitet?"));
    m_stundenTag = addField(grid, 0, 2, QStringLiteral("le_GKF_Stunden_Tag"),
                            QStringLiteral("Stunden pro Tag"), 2, true, QString());
}

void DowntimePage::buildUrlaub()
{
    m_gbUrlaub = new SectionBox(QStringLiteral("gb_GKF_Urlaub"),
                                QStringLiteral("Urlaub und Krankheit"), true, this);
    m_gbUrlaub->setToolTip(QStringLiteral("Uralub und Krankheit eintragen"));
    m_layout->addWidget(m_gbUrlaub);
    QGridLayout *grid = fieldGrid(m_gbUrlaub, 3);
    m_urlaubstage = addField(
        grid, 0, 0, QStringLiteral("le_GKF_Urlaubstage"), QStringLiteral("Urlaubstage"), 1, false,
        QStringLiteral("Wie viele Tage im Jahr hat der Mitarbeiter Urlaub?"), Qt::AlignLeft);
    m_krank = addField(
        grid, 0, 1, QStringLiteral("le_GKF_Krank"), QStringLiteral("Krankheitstage"), 1, false,
        QStringLiteral("Wie viele Tage im Jahr ist der Mitarbeiter krank?"), Qt::AlignLeft);
}

void DowntimePage::buildSchule()
{
    m_gbSchule =
        new SectionBox(QStringLiteral("gb_GKF_Schule"), QStringLiteral("Schule"), true, this);
    m_gbSchule->setToolTip(QStringLiteral("Schule auswählen."));
    m_layout->addWidget(m_gbSchule);
    QGridLayout *grid = fieldGrid(m_gbSchule, 3);
    m_schulwochen = addField(
        grid, 0, 0, QStringLiteral("le_GKF_Schulwochen"), QStringLiteral("Schulwochen pro Jahr"), 1,
        false, QStringLiteral("Wie viele Wochen im Jahr sind Schule (Blockunterricht)?"),
        Qt::AlignLeft);
    m_schultage = addField(grid, 0, 1, QStringLiteral("le_GKF_Schultage"),
                           QStringLiteral("Schultage pro Jahr"), 1, false,
                           QStringLiteral("Wie viele Tage im Jahr sind Schule?"), Qt::AlignLeft);
}

void DowntimePage::buildFeiertage()
{
    m_gbFeiertage =
        new SectionBox(QStringLiteral("gb_GKF_Feiertage"), QStringLiteral("Feiertage"), true, this);
    m_gbFeiertage->setToolTip(QStringLiteral("Feiertage aus wählen."));
    m_layout->addWidget(m_gbFeiertage);
    QGridLayout *grid = fieldGrid(m_gbFeiertage, 3);

    m_bundesland = new StateCombo(QStringLiteral("cb_GKF_Bundesland"));
    for (std::string_view state : calc::federalStates())
        m_bundesland->addItem(
            QString::fromUtf8(state.data(), static_cast<qsizetype>(state.size())));
    m_bundesland->setCurrentIndex(-1);
    m_bundesland->lineEdit()->setPlaceholderText(QStringLiteral("Bundesland auswählen"));
    m_bundesland->setToolTip(QStringLiteral("In welchem Bundesland sitzt die Firma?"));
    setNavy(m_bundesland);
    setNavy(m_bundesland->lineEdit());
    auto *caption = new QLabel(QStringLiteral("Bundesland"));
    setNavy(caption);
    caption->setBuddy(m_bundesland);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_bundesland, 1, 0);

    m_spin = new SpinArrows(QStringLiteral("sb_Feiertage"));
    m_feiertage = addField(grid, 0, 1, QStringLiteral("le_GKF_Feiertage"),
                           QStringLiteral("Feiertage"), 1, false, QString(), Qt::AlignLeft, m_spin);
    m_feiertageStunden = addField(grid, 0, 2, QStringLiteral("le_GKF_Feiertage_Stunden"),
                                  QStringLiteral("Stunden"), 1, true, QString());
}

void DowntimePage::buildErgebnis()
{
    m_gbErgebnis =
        new SectionBox(QStringLiteral("gb_GKF_Ergebnis"), QStringLiteral("Ergebnis"), false, this);
    m_layout->addWidget(m_gbErgebnis);
    QGridLayout *grid = fieldGrid(m_gbErgebnis, 2);
    grid->setVerticalSpacing(2);
    // the left column's labels are the longer ones that still fit on one line
    grid->setColumnStretch(0, 11);
    grid->setColumnStretch(1, 9);
    m_gesamtstunden = addField(grid, 0, 0, QStringLiteral("le_GKF_Gesamtstunden"),
                               QStringLiteral("Gesamtstunden pro Jahr"), 1, true, QString());
    m_produktivUrlaub = addField(grid, 0, 1, QStringLiteral("le_GKF_Produktiv_Urlaub"),
                                 QStringLiteral("Produktivstunden (nach Urlaub/Schule)"), 1, true,
                                 QStringLiteral("Gesamtstunden-Urlaub-Krank-Schule"));
    m_verrechnet =
        addField(grid, 2, 0, QStringLiteral("le_GKF_verrechnet"),
                 QStringLiteral("verrechnete Stunden (pro Woche)"), 1, false,
                 QStringLiteral("Wie viele der 40 Wochenstunden werden an den Kunden verrechnet?"));
    m_verrechnet->setNumberText(QStringLiteral("1"));
    m_verrechnet->setRange(1, 100);
    m_produktivverhaeltnis = addField(grid, 2, 1, QStringLiteral("le_GKF_Produktivverhaeltnis"),
                                      QStringLiteral("Produktivverhältnis"), 1, true,
                                      QStringLiteral("verr. Std. / Wochenstd."));
    m_produktivstunden = addField(grid, 4, 0, QStringLiteral("le_GKF_Produktivstunden"),
                                  QStringLiteral("verrechenbare Stunden"), 1, true,
                                  QStringLiteral("Produktivstd. * Produktivverhältnis"));

    m_zwischenablage = new QToolButton;
    m_zwischenablage->setObjectName(QStringLiteral("sb_GKF_Zwischenablage"));
    m_zwischenablage->setToolTip(QStringLiteral("In die Zwischenablage kopieren."));
    m_zwischenablage->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_zwischenablage->setAutoRaise(true);
    m_zwischenablage->setFocusPolicy(Qt::NoFocus);
    m_ausfallfaktor = addField(
        grid, 4, 1, QStringLiteral("le_GKF_Ausfallfaktor"), QStringLiteral("Ausfallfaktor in %"), 1,
        true, QStringLiteral("Gesamtstd. / Produktivstd."), Qt::AlignRight, m_zwischenablage);
    m_unproduktivstunden =
        addField(grid, 6, 0, QStringLiteral("le_GKF_Unproduktivstunden"),
                 QStringLiteral("nicht verrechenbare Stunden"), 1, true, QString());
    grid->setRowStretch(8, 1);
    // a label too long for its column wraps, standing on the field below it
    for (QLabel *caption : m_gbErgebnis->findChildren<QLabel *>())
        caption->setWordWrap(true);
}

void DowntimePage::connectHandlers()
{
    // le_GKF_WochenstundenChange … le_GKF_SchultageChange, and the holidays field through
    // le_GKF_SchulwochenChange: every input change recomputes the page
    for (NumberEdit *e : {m_wochenstunden, m_arbeitstage, m_urlaubstage, m_krank, m_schulwochen,
                          m_schultage, m_feiertage})
        onEvent(e, &NumberEdit::changed, this, [this] { Arbeitszeit(); });
    // le_GKF_verrechnetChange, le_GKF_verrechnetExit
    onEvent(m_verrechnet, &NumberEdit::changed, this, [this] { Produktivität(); });
    onEvent(m_verrechnet, &NumberEdit::exited, this, [this] { Produktivität(); });

    onEvent(m_wochenstunden, &NumberEdit::exited, this, [this] { le_GKF_WochenstundenExit(); });
    onEvent(m_arbeitstage, &NumberEdit::exited, this, [this] { le_GKF_ArbeitstageExit(); });
    onEvent(m_urlaubstage, &NumberEdit::exited, this, [this] { le_GKF_UrlaubstageExit(); });
    onEvent(m_krank, &NumberEdit::exited, this, [this] { le_GKF_KrankExit(); });
    onEvent(m_schulwochen, &NumberEdit::exited, this,
            [this] { le_GKF_SchulwochenExit(m_schulwochen); });
    onEvent(m_feiertage, &NumberEdit::exited, this,
            [this] { le_GKF_SchulwochenExit(m_feiertage); });
    onEvent(m_schultage, &NumberEdit::exited, this, [this] { le_GKF_SchultageExit(); });

    onEvent(m_zwischenablage, &QToolButton::clicked, this,
            [this] { sb_GKF_ZwischenablageClick(); });
    onEvent(m_bundesland, &QComboBox::editTextChanged, this,
            [this] { cb_GKF_BundeslandCloseUp(); });
    onEvent(m_bundesland, &StateCombo::clicked, this, [this] { cb_GKF_BundeslandCloseUp(); });
    onEvent(m_bundesland, &StateCombo::closedUp, this, [this] { cb_GKF_BundeslandCloseUp(); });
    onEvent(m_spin, &SpinArrows::upClicked, this, [this] { sb_FeiertageUpClick(); });
    onEvent(m_spin, &SpinArrows::downClicked, this, [this] { sb_FeiertageDownClick(); });

    // clicked, not toggled: only the user's clicks, after the box has changed its state
    onEvent(m_gbUrlaub, &QGroupBox::clicked, this, [this] { gb_GKF_UrlaubCheckBoxClick(); });
    onEvent(m_gbSchule, &QGroupBox::clicked, this, [this] { gb_GKF_SchuleCheckBoxClick(); });
    onEvent(m_gbFeiertage, &QGroupBox::clicked, this, [this] { gb_GKF_FeiertageCheckBoxClick(); });
}

void DowntimePage::collapseSections()
{
    for (SectionBox *box : {m_gbUrlaub, m_gbFeiertage, m_gbSchule})
        box->collapse();
    m_gbErgebnis->collapse();
    m_layout->setStretch(kStretchIndex, 1);
}

void DowntimePage::Arbeitszeit()
{
    calc::DowntimeInputs in;
    in.wochenstunden = utf8(m_wochenstunden);
    in.arbeitstage = utf8(m_arbeitstage);
    in.urlaubstage = utf8(m_urlaubstage);
    in.krank = utf8(m_krank);
    in.schulwochen = utf8(m_schulwochen);
    in.schultage = utf8(m_schultage);
    in.feiertage = utf8(m_feiertage);
    in.verrechnet = utf8(m_verrechnet);
    const calc::DowntimeResults r = calc::Arbeitszeit(in);
    // an emptied holidays field gets its zero back at once; its change recomputes (nested,
    // with the same results)
    if (r.feiertage != in.feiertage)
        m_feiertage->setNumberText(QStringLiteral("0"));
    put(m_stundenTag, r.stundenTag);
    put(m_feiertageStunden, r.feiertageStunden);
    put(m_gesamtstunden, r.gesamtstunden);
    put(m_produktivUrlaub, r.produktivUrlaub);
    put(m_produktivverhaeltnis, r.productivity.produktivverhaeltnis);
    put(m_produktivstunden, r.productivity.produktivstunden);
    put(m_unproduktivstunden, r.productivity.unproduktivstunden);
    put(m_ausfallfaktor, r.productivity.ausfallfaktor);
}

void DowntimePage::Produktivität()
{
    const calc::ProductivityResults r =
        calc::Produktivität(utf8(m_verrechnet), utf8(m_wochenstunden), utf8(m_produktivUrlaub),
                            utf8(m_gesamtstunden), utf8(m_ausfallfaktor));
    put(m_produktivverhaeltnis, r.produktivverhaeltnis);
    put(m_produktivstunden, r.produktivstunden);
    put(m_unproduktivstunden, r.unproduktivstunden);
    put(m_ausfallfaktor, r.ausfallfaktor);
}

void DowntimePage::le_GKF_WochenstundenExit()
{
    if (!m_check.p_Eingabe_Prüfen(m_wochenstunden, 50, 168))
        return;
    m_verrechnet->setToolTip(QStringLiteral("Wie viele der ") + m_wochenstunden->text() +
                             QStringLiteral(" Wochenstunden werden an den Kunden verrechnet?"));
    // below the minimum the maximum wins on leaving, so the ratio never exceeds 100 %
    m_verrechnet->setRange(m_verrechnet->minimum(), m_wochenstunden->strict());
    layoutResultBox();
}

void DowntimePage::le_GKF_ArbeitstageExit()
{
    if (!m_check.p_Eingabe_Prüfen(m_arbeitstage, 6, 8))
        return;
    if (m_arbeitstage->text() == QLatin1String("0,00"))
        m_verrechnet->setNumberText(QStringLiteral("0,00"));
    layoutResultBox();
}

void DowntimePage::le_GKF_UrlaubstageExit()
{
    m_check.p_Eingabe_Prüfen(m_urlaubstage, 40, 366);
}

void DowntimePage::le_GKF_KrankExit()
{
    m_check.p_Eingabe_Prüfen(m_krank, 120, 366);
}

void DowntimePage::le_GKF_SchulwochenExit(NumberEdit *sender)
{
    // school weeks and school days exclude each other
    if (m_check.p_Eingabe_Prüfen(sender, 15, 52) && m_schulwochen->strict() > 0)
        m_schultage->setNumberText(QStringLiteral("0"));
}

void DowntimePage::le_GKF_SchultageExit()
{
    if (m_check.p_Eingabe_Prüfen(m_schultage, 120, 365) && m_schultage->strict() > 0)
        m_schulwochen->setNumberText(QStringLiteral("0"));
}

void DowntimePage::layoutResultBox()
{
    const bool open = m_wochenstunden->strict() > 0 && m_arbeitstage->strict() > 0;
    if (open)
        m_gbErgebnis->open(0);
    else
        m_gbErgebnis->collapse();
    // open, the result box takes all of the page below the sections
    m_layout->setStretchFactor(m_gbErgebnis, open ? 1 : 0);
    m_layout->setStretch(kStretchIndex, open ? 0 : 1);
}

void DowntimePage::sb_GKF_ZwischenablageClick()
{
    QGuiApplication::clipboard()->setText(m_ausfallfaktor->text());
}

void DowntimePage::cb_GKF_BundeslandCloseUp()
{
    if (const auto holidays = calc::holidaysOf(m_bundesland->currentText().toStdString()))
        m_feiertage->setNumberText(QString::fromStdString(*holidays));
    Arbeitszeit();
}

void DowntimePage::sb_FeiertageUpClick()
{
    m_feiertage->setNumberText(f_SpinButton(false, m_feiertage, 0.5));
}

void DowntimePage::sb_FeiertageDownClick()
{
    m_feiertage->setNumberText(f_SpinButton(true, m_feiertage, 0.5));
}

QString DowntimePage::f_SpinButton(bool boDown, NumberEdit *kEdit, double fWert) const
{
    return QString::fromStdString(calc::f_SpinButton(boDown, utf8(kEdit), fWert));
}

void DowntimePage::gb_GKF_UrlaubCheckBoxClick()
{
    if (m_gbUrlaub->isChecked()) {
        openSection(m_gbUrlaub, m_urlaubstage);
        return;
    }
    collapseSection(m_gbUrlaub);
    f_Feld_ausgefüllt(m_gbUrlaub, m_urlaubstage, m_krank, nullptr);
}

void DowntimePage::gb_GKF_SchuleCheckBoxClick()
{
    if (m_gbSchule->isChecked()) {
        openSection(m_gbSchule, m_schulwochen);
        return;
    }
    collapseSection(m_gbSchule);
    f_Feld_ausgefüllt(m_gbSchule, m_schultage, m_schulwochen, nullptr);
}

void DowntimePage::gb_GKF_FeiertageCheckBoxClick()
{
    if (m_gbFeiertage->isChecked()) {
        openSection(m_gbFeiertage, m_bundesland);
        return;
    }
    collapseSection(m_gbFeiertage);
    m_gbFeiertage->setCaptionColor(m_feiertage->lenient() > 0 ? kRed : kNavy);
}

void DowntimePage::f_Feld_ausgefüllt(SectionBox *kGroupBox, NumberEdit *kWert1, NumberEdit *kWert2,
                                     NumberEdit *kWert3)
{
    bool filled = false;
    for (const NumberEdit *e : {kWert1, kWert2, kWert3})
        filled = filled || (e && e->lenient() > 0);
    // hidden deductions must not be forgotten
    kGroupBox->setCaptionColor(filled ? kRed : kNavy);
}

void DowntimePage::openSection(SectionBox *box, QWidget *focus)
{
    box->open(SectionBox::kOpenHeight);
    QWidget *w = window();
    w->resize(w->width(), w->height() + kWindowStep);
    focus->setFocus(Qt::OtherFocusReason);
}

void DowntimePage::collapseSection(SectionBox *box)
{
    box->collapse();
    // let the window's minimum size shrink first, so it loses the full step
    layout()->activate();
    QWidget *w = window();
    if (w->layout())
        w->layout()->activate();
    w->resize(w->width(), w->height() - kWindowStep);
}
