#pragma once
// "Qualification Options": probe, sphere and whether the sphere has moved.
#include <QDialog>

#include "host/QualificationChoice.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zantrel {

class frmSelect : public QDialog {
  Q_OBJECT

 public:
  explicit frmSelect(QWidget* parent = nullptr);

  // Fills the controls from the choice.
  void Load(const QualificationChoice& choice);
  // Writes the operator's choice back; Cancel leaves both texts empty.
  void Store(QualificationChoice& choice) const;

 public slots:
  // Cancel, Escape and the window's close box all cancel the qualification.
  void reject() override;

 private:
  void OnOK();

  QLabel* lblProbe_;
  QComboBox* cmbProbe_;
  QLabel* lblArtifact_;
  QComboBox* cmbArtifact_;
  QGroupBox* frmMoved_;
  QRadioButton* optYes_;
  QLabel* lblYes_;
  QRadioButton* optNo_;
  QLabel* lblNo_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  bool cancelled_ = false;
};

// The modal window as the qualification uses it.
class QtSelectionWindow : public SelectionWindow {
 public:
  explicit QtSelectionWindow(QWidget* parent = nullptr) : parent_(parent) {}
  ~QtSelectionWindow() override;
  void ShowModal(QualificationChoice& choice) override;
  void Close() override;

 private:
  QWidget* parent_;
  frmSelect* window_ = nullptr;
};

}  // namespace zantrel
