#pragma once

#include <QDialog>

// The update's file selection dialog; this program never shows it.
class Tselcomp : public QDialog
{
    Q_OBJECT

public:
    explicit Tselcomp(QWidget *parent = nullptr);
};
