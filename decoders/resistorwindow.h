// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

#include <QPixmap>
#include <QVector>

class ClickLabel;
class ImageControl;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// The colours-to-value area that the four- and five-band windows share: the
// drawn resistor with its selectable bands and blinking marker, the colour
// column, the value text, the switch button and the help column.
class ResistorBandsWindow : public ToolWindow
{
    Q_OBJECT
public:
    struct Setup
    {
        const char *objectName;
        const char *caption;
        int heightTwips;
        int bandCount;           // 4 or 5
        const char *switchCaption;
        const char *switchTarget;   // window the switch button opens
        QVector<int> loadColours;   // band 1..n colours after load
        const char *loadText;       // Label1 after load
    };

    void Form_Activate() override;
    void Form_Deactivate() override;

    void Timer1_Timer();
    void Sáv_pic_Click(int Index);
    void Col_lab_Click(int Index);
    void Command2_Click();

    int selectedBand() const { return m_selected; }
    int bandColour(int band) const;   // -1 for a band that does not exist
    int bandCount() const { return m_bandCount; }

protected:
    ResistorBandsWindow(const Setup &setup);

    // K closes the window, Left and Right move the band selection.
    void handleKey(int key);
    const QVector<QPixmap> &Színkód_1() const { return m_images; }
    QPixmap bandPicture(int colourIndex) const;

private:
    void ShowBandValue();
    void fitLabel2();

    int m_bandCount;
    int m_selected = 1;
    QString m_switchTarget;
    QVector<int> m_colours;   // by band number; [0] unused
    QVector<QPixmap> m_images;

    QGroupBox *Frame2;
    ImageControl *Image1;
    QVector<ImageControl *> Sáv_pic;   // [0] unused
    QVector<QLabel *> Nyíl;            // [0] unused
    QLabel *Label2;
    QLabel *Label1;
    QGroupBox *Frame3;
    QVector<ClickLabel *> Col_lab;
    QPushButton *Command2;
    QGroupBox *Frame4;
    QLabel *Label6;
    QTimer *Timer1;
};
