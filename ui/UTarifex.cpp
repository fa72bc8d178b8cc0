#include "UTarifex.h"

#include "ConnectionProfile.h"
#include "ExceptionHandler.h"
#include "PasswordDecoding.h"
#include "Session.h"
#include "Settings.h"
#include "ui_UTarifex.h"

#include <QCloseEvent>

namespace tfx {

TFTarifex* FTarifex = nullptr;

namespace {
QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

TFTarifex::TFTarifex(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TFTarifex>()), m_catalogue(Session::defaultSession())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    const QFont searchFont = pixelFont(QStringLiteral("Times New Roman"), 27);
    ui->EDescricao->setFont(searchFont);
    ui->EAplicacao->setFont(searchFont);
    ui->EReferencia->setFont(searchFont);
    ui->Label1->setBuddy(ui->EDescricao);
    ui->Label2->setBuddy(ui->EAplicacao);
    ui->Label3->setBuddy(ui->EReferencia);
    setWindowState(Qt::WindowMaximized);

    setDesignValues(m_catalogue.database1());
    m_catalogue.database1().open();
    FTarifex = this;
    runHandler([this] { FormCreate(); });
}

TFTarifex::~TFTarifex()
{
    if (FTarifex == this)
        FTarifex = nullptr;
}

QString TFTarifex::DescriptografarSenha(QString stored) const
{
    return descriptografarSenha(stored);
}

void TFTarifex::FormCreate()
{
    const Settings settings = readSettings(
        configFilePath(), [this](const QString& stored) { return DescriptografarSenha(stored); });
    buildConnection(m_catalogue.database1(), settings);
}

void TFTarifex::FormClose() {}

void TFTarifex::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

} // namespace tfx
