#include "app/page_urlaub.h"

#include "app/errorreport.h"
#include "app/numberedit.h"
#include "calc/vacation.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMissingValue(255, 205, 155);
const QDate kInitialDate(2023, 3, 27);
constexpr int kSmallButton = 24;

// Tab leaves the date field as it leaves any other field, instead of stepping through the
// day, month and year sections; the arrow keys still move between them.
class DateField : public QDateEdit
{
public:
    explicit DateField(const QString &name) : QDateEdit(kInitialDate)
    {
        setObjectName(name);
        setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        setCalendarPopup(true);
    }

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

calc::Date toCalc(const QDate &d)
{
    return {d.year(), d.month(), d.day()};
}

QDate toQDate(const calc::Date &d)
{
    return QDate(d.year, d.month, d.day);
}

void setForeground(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

// The field with its label above it.
QLayout *labelled(const QString &text, QWidget *field, bool navyLabel = true)
{
    auto *label = new QLabel(text);
    label->setBuddy(field);
    if (navyLabel)
        setForeground(label, kNavy);
    auto *box = new QVBoxLayout;
    box->setSpacing(2);
    box->addWidget(label);
    box->addWidget(field);
    return box;
}

QIcon plusIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(6, 2, 4, 12);
    p.drawRect(2, 6, 12, 4);
    return QIcon(pm);
}

QIcon clipboardIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(96, 64, 32));
    p.setBrush(QColor(176, 128, 72));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1.5, 1.5);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 5.5, 7, 8));
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(160, 160, 160));
    p.drawRoundedRect(QRectF(5.5, 0.5, 5, 3), 1, 1);
    p.setPen(QColor(0, 0, 128));
    p.drawLine(QPointF(6, 8), QPointF(10, 8));
    p.drawLine(QPointF(6, 10.5), QPointF(10, 10.5));
    return QIcon(pm);
}

QToolButton *pictureButton(const QString &name, const QIcon &icon)
{
    auto *b = new QToolButton;
    b->setObjectName(name);
    b->setIcon(icon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(kSmallButton, kSmallButton);
    return b;
}

NumberEdit *resultField(const QString &name)
{
    auto *e = new NumberEdit(name, 2, calc::FieldKind::Decimal, NumberEdit::Role::Result);
    // the light 3D face colour instead of the silver of the other pages; Tab still stops here
    e->setBackground(QPalette().color(QPalette::Midlight));
    e->setFocusPolicy(Qt::StrongFocus);
    return e;
}

} // namespace

VacationPage::VacationPage(const StartupSettings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("stp_Urlaub"));
    m_standard = new NumberEdit(QStringLiteral("le_U_Standard"), 2);
    m_sollTage = new NumberEdit(QStringLiteral("le_U_SollTage"), 2);
    m_istTage = new NumberEdit(QStringLiteral("le_U_IstTage_MA"), 2);
    m_start = new DateField(QStringLiteral("dtp_U_Start"));
    m_bis = new DateField(QStringLiteral("dtp_U_beschaeftigt_bis"));
    m_monate = resultField(QStringLiteral("le_U_Monate"));
    m_schwerb = new QCheckBox(QStringLiteral("Schwerbehinter nach §208"));
    m_schwerb->setObjectName(QStringLiteral("cb_U_Schwerb"));
    setForeground(m_schwerb, kNavy);
    m_berechnen = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                  QStringLiteral("rechnen"));
    m_berechnen->setObjectName(QStringLiteral("b_Berechnen"));
    m_anspruch = resultField(QStringLiteral("le_U_Anspruch"));
    m_plus = pictureButton(QStringLiteral("sb_U_Plus"), plusIcon());
    m_summe = resultField(QStringLiteral("le_U_Summe"));
    m_zwischenablage = pictureButton(QStringLiteral("sb_U_Zwischenablage"), clipboardIcon());

    buildLayout();
    connectHandlers();
}

void VacationPage::buildLayout()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(10, 12, 10, 10);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(10);
    // fields in columns 0, 2 and 4; the two picture buttons sit in the narrow columns between
    for (int column : {0, 2, 4})
        grid->setColumnStretch(column, 1);
    for (int column : {1, 3})
        grid->setColumnMinimumWidth(column, kSmallButton);

    grid->addLayout(labelled(QStringLiteral("Urlaub (Standard)"), m_standard), 0, 0);
    grid->addLayout(labelled(QStringLiteral("Arbeitstage/Woche"), m_sollTage), 0, 2);
    grid->addLayout(labelled(QStringLiteral("Arbeitstage (MA)"), m_istTage), 0, 4);
    grid->addLayout(labelled(QStringLiteral("eingestellt am"), m_start), 1, 0);
    grid->addLayout(labelled(QStringLiteral("beschäftigt bis"), m_bis), 1, 2);
    grid->addLayout(labelled(QStringLiteral("Monate"), m_monate, false), 1, 4);
    grid->addWidget(m_schwerb, 2, 2, 1, 3);
    grid->addWidget(m_berechnen, 3, 2);
    grid->addLayout(labelled(QStringLiteral("Urlaubsanspruch"), m_anspruch), 4, 0);
    grid->addWidget(m_plus, 4, 1, Qt::AlignBottom);
    grid->addLayout(labelled(QStringLiteral("Urlaubsanspruch"), m_summe), 4, 2);
    grid->addWidget(m_zwischenablage, 4, 3, Qt::AlignBottom);
    grid->setRowStretch(5, 1);

    QWidget *order[] = {m_standard, m_sollTage, m_istTage,   m_start,    m_bis,
                        m_monate,   m_schwerb,  m_berechnen, m_anspruch, m_summe};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void VacationPage::connectHandlers()
{
    onEvent(m_standard, &NumberEdit::exited, this, [this] { le_U_StandardExit(); });
    onEvent(m_sollTage, &NumberEdit::exited, this, [this] { le_U_SollTageExit(); });
    onEvent(m_istTage, &NumberEdit::exited, this, [this] { le_U_IstTage_MAExit(); });
    // a date set by the program is reported too, so the results always follow the period shown
    onEvent(m_start, &QDateEdit::dateChanged, this, [this] { dtp_U_StartChange(); });
    onEvent(m_bis, &QDateEdit::dateChanged, this, [this] { dtp_U_beschaeftigt_bisChange(); });
    onEvent(m_berechnen, &QPushButton::clicked, this, [this] { b_BerechnenClick(); });
    onEvent(m_schwerb, &QCheckBox::clicked, this, [this] { cb_U_SchwerbClick(); });
    onEvent(m_plus, &QToolButton::clicked, this, [this] { sb_U_PlusClick(); });
    onEvent(m_zwischenablage, &QToolButton::clicked, this, [this] { sb_U_ZwischenablageClick(); });
}

bool VacationPage::markIfZero(NumberEdit *kEdit)
{
    const bool zero = kEdit->strict() == 0;
    kEdit->setBackground(zero ? kMissingValue : QColor());
    return zero;
}

void VacationPage::le_U_StandardExit()
{
    markIfZero(m_standard);
}

void VacationPage::le_U_SollTageExit()
{
    markIfZero(m_sollTage);
}

void VacationPage::le_U_IstTage_MAExit()
{
    markIfZero(m_istTage);
}

void VacationPage::dtp_U_StartChange()
{
    p_Monat_berechnen();
}

void VacationPage::dtp_U_beschaeftigt_bisChange()
{
    p_Monat_berechnen();
}

void VacationPage::p_Monat_berechnen()
{
    m_monate->setNumber(calc::vacationMonths(toCalc(m_start->date()), toCalc(m_bis->date())));
    b_BerechnenClick();
}

void VacationPage::b_BerechnenClick()
{
    bool incomplete = false;
    // every input is coloured in every run, not only up to the first zero
    for (NumberEdit *kEdit : {m_standard, m_sollTage, m_istTage})
        incomplete = markIfZero(kEdit) || incomplete;
    if (incomplete)
        return;
    m_anspruch->setNumber(calc::vacationEntitlement(m_standard->strict(), m_sollTage->strict(),
                                                    m_istTage->strict(), m_monate->strict(),
                                                    m_schwerb->isChecked()));
}

void VacationPage::cb_U_SchwerbClick()
{
    m_anspruch->setNumber(calc::schwerbEntitlement(m_anspruch->strict(), m_schwerb->isChecked()));
}

void VacationPage::sb_U_PlusClick()
{
    m_summe->setNumber(m_anspruch->strict() + m_summe->strict());
    const calc::Period next = calc::nextPeriod(toCalc(m_bis->date()));
    m_start->setDate(toQDate(next.start));
    m_bis->setDate(toQDate(next.end));
}

void VacationPage::sb_U_ZwischenablageClick()
{
    QGuiApplication::clipboard()->setText(m_anspruch->text());
}
