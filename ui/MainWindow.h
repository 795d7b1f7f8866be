#pragma once

#include <QMainWindow>

#include <string>

class QGridLayout;
class QLayout;

namespace ortavel {

class FormView;
class Ortavel;

// The main window on screen: the frames in their rows, the buttons beside
// them, the menu and the status bar, all bound to the window model.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(Ortavel &model, QWidget *parent = nullptr);

    Ortavel &model() const { return m_model; }
    FormView &view() const { return *m_view; }

private:
    QWidget *control(const std::string &name) const;
    QGridLayout *frameGrid(const std::string &frame) const;
    void place(QGridLayout *grid, const std::string &name, int row, int column, int columnSpan = 1) const;

    QLayout *makeInformationRow();
    QLayout *makeSearchButtons();
    void fillBasicSetting();
    void fillMeasuringValue();
    void fillDigitalDisplay();
    QLayout *makeSaveButtons();
    void fillAnalogOutput();
    void fillInstruction();
    void nameFields();
    void styleFields();

    Ortavel &m_model;
    FormView *m_view;
};

} // namespace ortavel
