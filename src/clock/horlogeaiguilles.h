// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "aiguilles.h"

// A clock whose hands a child sets: numbers, minute marks, an hour hand
// and a minute hand geared as on a real clock. A press on the dial takes
// the nearer hand, which then follows the pointer (mouse, finger or pen);
// with the focus, Up and Down turn the minutes, Page Up and Page Down the
// hours. Drawn at paint time, so it stays sharp at any scale.
class HorlogeAiguilles : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minutes READ minutes WRITE setMinutes NOTIFY minutesChanged)

public:
    explicit HorlogeAiguilles(QWidget* parent = nullptr);

    // The time shown, in minutes round the dial (0: 12 h 0 mn).
    int minutes() const { return minutes_; }
    void setMinutes(int minutes);
    // The seconds (0 to 59), shown with their hand once asked for; with the
    // focus, Right and Left then turn them.
    int secondes() const { return secondes_; }
    void setSecondes(int secondes);
    void setAvecSecondes(bool on);
    bool avecSecondes() const { return avecSecondes_; }

    // "4 h 45 mn", or "4 h 45 mn 30 s" with the seconds: also what screen
    // readers read as its value and its description (followed there by the
    // widget's own accessible description, if any: "4 h 45 mn, choisie").
    QString texte() const
    {
        return avecSecondes_ ? aiguilles::texteSecondes(minutes_, secondes_) : aiguilles::texte(minutes_);
    }

    // While false the hands stay as they are (a verdict on view, a clock
    // only read); a click, Return or Space then chooses the clock.
    void setReglable(bool on) { reglable_ = on; }
    bool reglable() const { return reglable_; }
    // A clock chosen among others, ringed.
    void setChoisie(bool on);
    bool choisie() const { return choisie_; }

    // The right hands, drawn lighter over the child's; none by default.
    void montrerSolution(int minutes, int secondes = 0);
    void cacherSolution();
    std::optional<int> solution() const { return solution_; }
    int secondesSolution() const { return secondesSolution_; }

    // The dial in the widget's coordinates.
    QPointF centre() const { return QRectF(rect()).center(); }
    double rayon() const { return std::min(width(), height()) / 2.0 - 2; }
    // The point at that angle (clockwise from the 12) and distance from the centre.
    QPointF point(double angle, double distance) const;

signals:
    void minutesChanged(int minutes);
    // Clicked (or pressed from the keyboard) while it cannot be set.
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // The screen's focus ring marks the focus.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    void suivre(QPointF at);
    // Tells screen readers the time now shown.
    void annoncer();

    // The time shown, a count of seconds round the dial.
    void regler(int secondesDuCadran);

    int minutes_ = 0;
    int secondes_ = 0;
    bool avecSecondes_ = false;
    int secondesSolution_ = 0;
    bool reglable_ = true;
    bool choisie_ = false;
    std::optional<int> solution_;
    bool appuye_ = false;
    bool choix_ = false;  // pressed while it cannot be set: a click to come
    // The hand taken by the press, once it points somewhere.
    std::optional<aiguilles::Aiguille> tenue_;
};
