#pragma once

#include <QWidget>

#include <memory>
#include <string>

namespace ortavel {

class FormView;
class frmYHJZ;

// The calibration window on screen: the count and unit on top, the three
// rows of the table, the buttons with the access code box on Exit, and the
// explanation; it owns its model, made afresh for every opening.
class CalibrationWindow : public QWidget {
public:
    explicit CalibrationWindow(std::unique_ptr<frmYHJZ> model, QWidget *parent = nullptr);
    ~CalibrationWindow() override;
    CalibrationWindow(const CalibrationWindow &) = delete;
    CalibrationWindow &operator=(const CalibrationWindow &) = delete;

    frmYHJZ &model() const { return *m_model; }
    FormView &view() const { return *m_view; }

private:
    QWidget *control(const std::string &name) const;
    QLayout *makeButtons();
    void fillExplanation();

    std::unique_ptr<frmYHJZ> m_model;
    FormView *m_view;
};

} // namespace ortavel
