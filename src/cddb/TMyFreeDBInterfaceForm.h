#pragma once
#include <QWidget>

namespace Cddb {
class TCddb;
}

// The CD information lookup window. It owns the one CDDB component, freedb,
// whose CD information all CD windows share.
class TMyFreeDBInterfaceForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMyFreeDBInterfaceForm(QWidget* parent = nullptr);
  ~TMyFreeDBInterfaceForm() override;

  Cddb::TCddb* freedb = nullptr;

 private:
  void FormCreate();
};
