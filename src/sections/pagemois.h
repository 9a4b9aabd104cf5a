// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QTableWidget>

// A month's page as French calendars print it: weeks from Monday to Sunday,
// "1er" for the first. A table for screen readers, each day named in full
// ("mercredi 14 avril 2027"); a day is pressed by finger or mouse, or
// reached by the arrow keys and pressed with Enter or Space.
class PageMois : public QTableWidget {
    Q_OBJECT

public:
    explicit PageMois(QWidget* parent = nullptr);

    // The month whose first day that is; nothing chosen.
    void montrer(QDate premier);
    QDate mois() const { return premier_; }
    // Whether a day may be pressed now (a question answered on the page).
    void setPressable(bool oui);
    // The day chosen (0: none), marked as the child's choice.
    int choisi() const { return choisi_; }
    void choisir(int jour);
    // After the verdict: the right day, and the child's wrong one.
    void montrerVerdict(int bon, int donne);

signals:
    void jourChoisi(int jour);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QTableWidgetItem* cellule(int jour) const;
    void peindre(int jour, const QColor& fond, const QColor& texte, const QString& dit);

    QDate premier_;
    bool pressable_ = false;
    int choisi_ = 0;
};
