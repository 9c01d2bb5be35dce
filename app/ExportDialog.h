// The Export dialog: the size of the export (the canvas's, a multiple of it, a print size at 300 dpi,
// or a long side typed in pixels), its format (JPEG with a quality, PNG, PDF) and a preview of the size
// in pixels and megapixels; Export… goes on to the file, Print… to the printer.
#pragma once

#include "core/ExportFile.h"

#include <QDialog>
#include <QSize>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class ExportDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { Cancel, Export, Print };

    // A dialog for a card on a canvas of `canvas`, starting from the last settings chosen (their size
    // choice and format; the size itself is worked out again for this canvas).
    ExportDialog(QSize canvas, const festoon::ExportSettings& last, int lastSizeChoice, QWidget* parent);

    // The size each entry of the size list stands for, the last one the long side typed.
    [[nodiscard]] QSize ChosenSize() const;
    [[nodiscard]] festoon::ExportSettings Settings() const;
    [[nodiscard]] int SizeChoice() const;
    [[nodiscard]] Choice Chosen() const { return chosen_; }

    // The controls, for tests and for screen readers' names.
    QComboBox* SizeList = nullptr;
    QSpinBox* LongSide = nullptr;
    QComboBox* FormatList = nullptr;
    QSpinBox* Quality = nullptr;
    QLabel* SizePreview = nullptr;
    QPushButton* ExportButton = nullptr;
    QPushButton* PrintButton = nullptr;

  private:
    void UpdatePreview();
    void Finish(Choice choice);

    QSize canvas_;
    Choice chosen_ = Choice::Cancel;
};
