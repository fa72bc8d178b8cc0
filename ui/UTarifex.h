#pragma once

#include "Catalogue.h"

#include <QWidget>
#include <memory>

namespace Ui {
class TFTarifex;
}

namespace tfx {

// The price lookup window: three search boxes above the read-only product grid.
class TFTarifex : public QWidget
{
    Q_OBJECT

public:
    // Builds the window from its form and opens Database1 with its design values; a refused
    // connection here is a start-up failure and propagates. Then runs the creation sequence.
    explicit TFTarifex(QWidget* parent = nullptr);
    ~TFTarifex() override;

    Catalogue& catalogue() { return m_catalogue; }

    // Decodes the stored database password (see descriptografarSenha).
    QString DescriptografarSenha(QString stored) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();

    std::unique_ptr<Ui::TFTarifex> ui;
    Catalogue m_catalogue;
};

// The window's single instance while it exists.
extern TFTarifex* FTarifex;

} // namespace tfx
