#include "dialogs/MonteCarloDlg.h"

#include "dialogs/DialogFields.h"
#include "document/MonteCarloSession.h"
#include "platform/WorkerThread.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>
#include <string>

namespace {

// How often the progress bar follows a running draw.
constexpr int kProgressIntervalMs = 50;

const char* const kModelNames[] = {"Tradeoff", "City Block", "Directional", "Unified"};

QPushButton* Button(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Field(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    return field;
}

} // namespace

CMonteCarloDlg::CMonteCarloDlg(CMonteCarloSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setWindowTitle(tr("Monte Carlo"));
    m_model = new QComboBox;
    m_model->setObjectName("model");
    for (const char* name : kModelNames)
        m_model->addItem(QString::fromUtf8(name));
    m_members = Field("members");
    m_members->setValidator(new QIntValidator(0, kMaxGeneratedMembers, m_members));
    m_seed = Field("seed");
    m_seed->setValidator(new QIntValidator(INT_MIN, INT_MAX, m_seed));

    auto* general = new QFormLayout;
    general->addRow(tr("Default &Preference Model:"), m_model);
    general->addRow(tr("&Number of Members:"), m_members);
    general->addRow(tr("Random Number &Seed:"), m_seed);
    QWidget* horizontal = BuildAxisBox(tr("Horizontal Distribution"), "h", m_horizontal);
    QWidget* vertical = BuildAxisBox(tr("Vertical Distribution"), "v", m_vertical);
    auto* axes = new QHBoxLayout;
    axes->addWidget(horizontal);
    axes->addWidget(vertical);

    m_run = Button(tr("&Run"), "run");
    m_stop = Button(tr("St&op"), "stop");
    m_stop->setEnabled(false);
    m_retain = Button(tr("R&etain"), "retain");
    m_discard = Button(tr("&Discard"), "discard");
    m_reset = Button(tr("Rese&t"), "reset");
    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {m_run, m_stop, m_retain, m_discard, m_reset})
        actions->addWidget(button);
    actions->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName("ok");
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setObjectName("cancel");
    actions->addWidget(buttons);

    m_progress = new QProgressBar;
    m_progress->setObjectName("progress");
    m_progress->setFormat(tr("%v of %m points"));
    // The bar keeps its room while hidden, so that the fixed-size dialog does not jump.
    QSizePolicy keepRoom = m_progress->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepRoom);
    m_progress->hide();
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(kProgressIntervalMs);
    connect(m_progressTimer, &QTimer::timeout, this, &CMonteCarloDlg::ShowProgress);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(general);
    layout->addLayout(axes);
    layout->addWidget(m_progress);
    layout->addLayout(actions);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_run, &QPushButton::clicked, this, &CMonteCarloDlg::Run);
    connect(m_stop, &QPushButton::clicked, this, &CMonteCarloDlg::Stop);
    connect(m_retain, &QPushButton::clicked, this, &CMonteCarloDlg::Retain);
    connect(m_discard, &QPushButton::clicked, this, &CMonteCarloDlg::Discard);
    connect(m_reset, &QPushButton::clicked, this, &CMonteCarloDlg::Reset);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMonteCarloDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMonteCarloDlg::reject);

    setTabOrder(m_model, m_members);
    setTabOrder(m_members, m_seed);
    setTabOrder(m_seed, m_horizontal.uniform);
    setTabOrder(m_horizontal.uniform, m_horizontal.normal);
    setTabOrder(m_horizontal.normal, m_horizontal.mean);
    setTabOrder(m_horizontal.mean, m_horizontal.stdDev);
    setTabOrder(m_horizontal.stdDev, m_vertical.uniform);
    setTabOrder(m_vertical.uniform, m_vertical.normal);
    setTabOrder(m_vertical.normal, m_vertical.mean);
    setTabOrder(m_vertical.mean, m_vertical.stdDev);
    setTabOrder(m_vertical.stdDev, m_run);
    setTabOrder(m_run, m_stop);
    setTabOrder(m_stop, m_retain);
    setTabOrder(m_retain, m_discard);
    setTabOrder(m_discard, m_reset);
    setTabOrder(m_reset, m_ok);
    setTabOrder(m_ok, m_cancel);

    ShowSettings(m_session.Settings());
    ShowButtons();
}

QWidget* CMonteCarloDlg::BuildAxisBox(const QString& title, const char* prefix, SAxisFields& axis) {
    const QString name = QString::fromUtf8(prefix);
    auto* box = new QGroupBox(title);
    axis.uniform = new QRadioButton(tr("Uniform"));
    axis.uniform->setObjectName(name + "Uniform");
    axis.normal = new QRadioButton(tr("Normal"));
    axis.normal->setObjectName(name + "Normal");
    auto* group = new QButtonGroup(box);
    group->addButton(axis.uniform, MC_UNIFORM);
    group->addButton(axis.normal, MC_NORMAL);
    axis.mean = Field((std::string(prefix) + "Mean").c_str());
    axis.stdDev = Field((std::string(prefix) + "StdDev").c_str());
    auto* normalFields = new QWidget;
    normalFields->setObjectName(name + "NormalFields");
    auto* form = new QFormLayout(normalFields);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Mean:"), axis.mean);
    form->addRow(tr("Std Dev:"), axis.stdDev);
    auto* choice = new QHBoxLayout;
    choice->addWidget(axis.uniform);
    choice->addWidget(axis.normal);
    choice->addStretch(1);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(choice);
    layout->addWidget(normalFields);
    layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, [&axis] { ShowNormalFields(axis); });
    return box;
}

void CMonteCarloDlg::ShowNormalFields(SAxisFields& axis) {
    axis.mean->parentWidget()->setVisible(axis.normal->isChecked());
}

void CMonteCarloDlg::ShowSettings(const SMonteCarloSettings& s) {
    const QString model = QString::fromStdString(s.preferenceModel);
    if (m_model->findText(model) < 0)
        m_model->addItem(model);
    m_model->setCurrentText(model);
    m_members->setText(QString::number(s.members));
    m_seed->setText(QString::number(s.seed));
    const struct {
        SAxisFields& axis;
        int distribution;
        double mean;
        double stdDev;
    } axes[] = {{m_horizontal, s.distributionH, s.meanH, s.stdDevH},
                {m_vertical, s.distributionV, s.meanV, s.stdDevV}};
    for (const auto& a : axes) {
        // A code other than normal draws as the file says; the buttons show it as uniform.
        a.axis.normal->setChecked(a.distribution == MC_NORMAL);
        a.axis.uniform->setChecked(a.distribution != MC_NORMAL);
        a.axis.mean->setText(NumberText(a.mean));
        a.axis.stdDev->setText(NumberText(a.stdDev));
        ShowNormalFields(a.axis);
    }
}

void CMonteCarloDlg::ShowButtons() {
    const bool canRun = m_session.CanRun();
    m_run->setEnabled(canRun);
    m_retain->setEnabled(!canRun);
    m_discard->setEnabled(!canRun);
}

std::optional<SMonteCarloSettings> CMonteCarloDlg::FieldSettings() {
    SMonteCarloSettings s = m_session.Settings();
    s.preferenceModel = m_model->currentText().toStdString();
    const std::optional<int> members = FieldInteger(*m_members);
    if (!members || *members < 0 || *members > kMaxGeneratedMembers) {
        RefuseField(*m_members, "\"Number of Members\" must be an integer from 0 to " +
                                    std::to_string(kMaxGeneratedMembers) + ".");
        return std::nullopt;
    }
    s.members = *members;
    const std::optional<int> seed = FieldInteger(*m_seed);
    if (!seed) {
        RefuseField(*m_seed, "\"Random Number Seed\" must be a whole number.");
        return std::nullopt;
    }
    s.seed = *seed;
    const struct {
        SAxisFields& axis;
        int& distribution;
        double& mean;
        double& stdDev;
    } axes[] = {{m_horizontal, s.distributionH, s.meanH, s.stdDevH},
                {m_vertical, s.distributionV, s.meanV, s.stdDevV}};
    for (const auto& a : axes) {
        // A distribution code the buttons cannot show is kept until a button is pressed.
        if (a.axis.normal->isChecked())
            a.distribution = MC_NORMAL;
        else if (a.distribution == MC_NORMAL)
            a.distribution = MC_UNIFORM;
        if (a.distribution != MC_NORMAL)
            continue;
        const std::optional<double> mean = FieldNumber(*a.axis.mean);
        if (!mean) {
            RefuseField(*a.axis.mean, "\"Mean\" must be a number.");
            return std::nullopt;
        }
        const std::optional<double> stdDev = FieldNumber(*a.axis.stdDev);
        if (!stdDev || *stdDev < 0.0) {
            RefuseField(*a.axis.stdDev, "\"Std Dev\" must be a number of 0 or more.");
            return std::nullopt;
        }
        a.mean = *mean;
        a.stdDev = *stdDev;
    }
    return s;
}

void CMonteCarloDlg::ShowDrawing(bool drawing, int members) {
    QWidget* const locked[] = {m_model,
                               m_members,
                               m_seed,
                               m_horizontal.uniform,
                               m_horizontal.normal,
                               m_horizontal.mean,
                               m_horizontal.stdDev,
                               m_vertical.uniform,
                               m_vertical.normal,
                               m_vertical.mean,
                               m_vertical.stdDev,
                               m_run,
                               m_retain,
                               m_discard,
                               m_reset,
                               m_ok,
                               m_cancel};
    for (QWidget* widget : locked)
        widget->setEnabled(!drawing);
    m_stop->setEnabled(drawing);
    if (drawing) {
        m_progress->setRange(0, members);
        m_progress->setValue(0);
        m_progress->show();
        m_stop->setFocus();
        m_progressTimer->start();
    } else {
        m_progressTimer->stop();
        m_progress->hide();
        ShowButtons();
    }
}

void CMonteCarloDlg::ShowProgress() {
    if (m_progressState)
        m_progress->setValue(m_progressState->accepted.load(std::memory_order_relaxed));
}

bool CMonteCarloDlg::TakeFieldSettings() {
    if (IsDrawing())
        return false;
    const std::optional<SMonteCarloSettings> settings = FieldSettings();
    if (settings)
        m_session.SetSettings(*settings);
    return settings.has_value();
}

void CMonteCarloDlg::Run() {
    if (!TakeFieldSettings())
        return;
    std::optional<SMonteCarloRequest> request = m_session.BeginRun();
    if (!request)
        return;
    m_progressState = std::make_unique<SMonteCarloProgress>();
    ShowDrawing(true, request->settings.members);
    // The worker touches only the request and the progress; the document and the chart are
    // changed here once the draw has ended.
    SMonteCarloDraw draw;
    SMonteCarloProgress* progress = m_progressState.get();
    RunOnWorkerThread([&request, &draw, progress] { draw = request->Draw(progress); });
    m_progressState.reset();
    m_session.FinishRun(*request, std::move(draw));
    ShowDrawing(false, 0);
    m_seed->setText(QString::number(m_session.Settings().seed));
    if (m_run->isEnabled())
        m_run->setFocus();
    else
        m_retain->setFocus();
}

void CMonteCarloDlg::Stop() {
    if (m_progressState)
        m_progressState->stop.store(true, std::memory_order_relaxed);
}

void CMonteCarloDlg::Retain() {
    // The points take the model chosen now, whatever the other fields hold.
    SMonteCarloSettings settings = m_session.Settings();
    settings.preferenceModel = m_model->currentText().toStdString();
    m_session.SetSettings(settings);
    m_session.Retain();
    ShowButtons();
}

void CMonteCarloDlg::Discard() {
    m_session.Discard();
    ShowButtons();
}

void CMonteCarloDlg::Reset() {
    m_session.Reset();
    ShowSettings(m_session.Settings());
}

void CMonteCarloDlg::accept() {
    if (!TakeFieldSettings())
        return;
    m_session.Ok();
    QDialog::accept();
}

void CMonteCarloDlg::reject() {
    if (IsDrawing()) {
        Stop();
        return;
    }
    m_session.Cancel();
    QDialog::reject();
}
