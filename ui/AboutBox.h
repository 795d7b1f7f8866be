#pragma once

#include <QWidget>

#include <memory>

namespace ortavel {

class FormView;
class FrmOrtavelAbout;

// The About box on screen: the logo beside the texts, the etched line, the
// link labels and the two buttons; it owns its model.
class AboutBox : public QWidget {
public:
    explicit AboutBox(std::unique_ptr<FrmOrtavelAbout> model, QWidget *parent = nullptr);
    ~AboutBox() override;
    AboutBox(const AboutBox &) = delete;
    AboutBox &operator=(const AboutBox &) = delete;

    FrmOrtavelAbout &model() const { return *m_model; }
    FormView &view() const { return *m_view; }

    // The project's logo: a pressure gauge dial.
    static QPixmap logo(int size);

private:
    std::unique_ptr<FrmOrtavelAbout> m_model;
    FormView *m_view;
};

} // namespace ortavel
