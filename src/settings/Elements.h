#pragma once

#include "settings/Variant.h"

#include <QColor>
#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TElementHost;

// One line of a dictionary list.
struct TValues
{
    qint32 ID = 0;
    QString Dict;
    qint32 State = 0;
};

// The element classes; routing tells them apart by exact class, not by inheritance.
enum class TElementKind
{
    Base,
    Item,
    Caption,
    Separator,
    Column,
    Control,
    String,
    Integer,
    Flag,
    List,
    Button
};

// Base of every element of the monitoring and settings pages: an identifier for routing, a value
// and a height it computes itself so that sections and columns grow and shrink with their content.
class TBaseClass : public QWidget
{
    Q_OBJECT

public:
    explicit TBaseClass(QWidget *parent);
    ~TBaseClass() override;

    // The window every element reports to; set once by the window.
    static TElementHost *Host;

    virtual TElementKind Kind() const { return TElementKind::Base; }

    QList<TValues> FValues;
    Variant FValue;
    Variant FBackValue;
    Variant FValueAlter;
    Variant FShowValue;
    QColor FColor;
    QWidget *FHeader = nullptr;
    QWidget *FBody = nullptr;
    QString FCaption;
    QString FFormat;
    int FSize = 0;
    int FPos = 0;
    bool FVisible = true;
    QString FIdent;
    QString FDict;
    bool FAutoHide = false;

    void AddDicItem(qint32 id, const QString &dict);
    bool Changed();

    virtual void AssignIdent(const QString &ident);
    virtual void AssignAutoHide(bool autoHide);
    virtual void AssignVisible(bool visible);
    virtual void AssignCaption(const QString &caption);
    virtual int FullHeight() const;
    virtual void SetValue(const Variant &value);
    virtual Variant GetValue();
    virtual void Init();
    // Applies FullHeight and passes the change up to the enclosing elements and the page.
    virtual void UpdateHeight();
    virtual void SetColor(const QColor &color);

    // Lays the children out again after a change of size.
    virtual void Relayout() {}

protected:
    void resizeEvent(QResizeEvent *event) override;
    static QString Tr(const QString &key);
};

// A read-only value of the monitoring page: caption, value and units on one line.
class TItemClass : public TBaseClass
{
    Q_OBJECT

public:
    explicit TItemClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Item; }

    QString F_Units; // units key as the layout writes it
    QString FUnits;  // its translation

    int FullHeight() const override;
    // The value text as painted: "Nodata" translated while empty, else the value and units.
    QString PaintedValue() const;
    // The caption as painted in `width` pixels next to a value of `valueWidth` pixels.
    QString PaintedCaption(int width, int valueWidth) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// A collapsible section: an icon and a caption over a body of items, columns or editors.
class TCaptionClass : public TBaseClass
{
    Q_OBJECT

public:
    explicit TCaptionClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Caption; }

    QLabel *FImage = nullptr;
    QLabel *FLabel = nullptr;
    bool FFlipped = false;
    bool FSingle = false;
    QWidget *FSeparator = nullptr;

    void AssignCaption(const QString &caption) override;
    int FullHeight() const override;
    void AssignFlipped(bool flipped);
    void AssignIcon(const QString &name);
    int HeaderHeight() const { return FCaption.isEmpty() ? 0 : 24; }
    void Relayout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Measure
    {
        int plain = 0;   // sum of the heights of the non-column children
        int columns = 0; // tallest column child
        int count = 0;   // number of column children
    };
    Measure MeasureBody() const;
};

// An 8-pixel gap.
class TSeparatorClass : public TBaseClass
{
    Q_OBJECT

public:
    explicit TSeparatorClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Separator; }
};

// A vertical stack of sections; with FEquil the sections share the available height.
class TColumnClass : public TBaseClass
{
    Q_OBJECT

public:
    explicit TColumnClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Column; }

    bool FEquil = false;

    int FullHeight() const override;
    void Relayout() override;
};

// Base of the setting editors: caption label, editor and units label on a 23-pixel line.
class TControlClass : public TBaseClass
{
    Q_OBJECT

public:
    explicit TControlClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Control; }

    bool FIsSet = false;
    QLabel *FCLabel = nullptr;
    QLabel *FULabel = nullptr;
    QWidget *FControl = nullptr;
    qint32 FSetting = 0;
    qint32 FBit = -1;
    Variant FMin;
    Variant FMax;
    QString FUnits;

    void AssignCaption(const QString &caption) override;
    int FullHeight() const override { return 23; }
    void SetValue(const Variant &value) override;
    void Init() override;
    virtual void SetSetting(qint32 number);
    void AssignUnits(const QString &units);
    // Red labels for a setting the device never reported.
    void Colorize();
    void Relayout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void AttachEditor(QWidget *editor);
    virtual bool IsEditBox() const { return false; }
    virtual bool CaptionAlwaysShown() const { return true; }
};

// The common part of the text and integer editors: an edit box that shows the value and, for
// a display-only field (setting 0), is read-only and centred.
class TEditBoxClass : public TControlClass
{
    Q_OBJECT

public:
    explicit TEditBoxClass(QWidget *parent);
    void SetValue(const Variant &value) override;
    void SetSetting(qint32 number) override;
    QLineEdit *Edit() const;

protected:
    bool IsEditBox() const override { return true; }
    // Checks the text on every change and reports the outcome to the error registry.
    virtual void Validate() = 0;
};

// A text editor.
class TStringClass : public TEditBoxClass
{
    Q_OBJECT

public:
    using TEditBoxClass::TEditBoxClass;
    TElementKind Kind() const override { return TElementKind::String; }
    Variant GetValue() override;

protected:
    void Validate() override;
};

// An integer editor.
class TIntegerClass : public TEditBoxClass
{
    Q_OBJECT

public:
    using TEditBoxClass::TEditBoxClass;
    TElementKind Kind() const override { return TElementKind::Integer; }
    Variant GetValue() override;
    void Relayout() override;

protected:
    void Validate() override;
};

// A flag editor (one bit of a setting).
class TFlagClass : public TControlClass
{
    Q_OBJECT

public:
    explicit TFlagClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Flag; }
    void SetValue(const Variant &value) override;
    Variant GetValue() override;
    void Relayout() override;
    QCheckBox *Check() const;
};

// A dictionary editor: one line per entry of FValues.
class TListClass : public TControlClass
{
    Q_OBJECT

public:
    explicit TListClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::List; }
    void SetValue(const Variant &value) override;
    Variant GetValue() override;
    void Init() override;
    void SetSetting(qint32 number) override;
    QComboBox *Combo() const;
};

// A command button: runs the command named by its identifier.
class TButtonClass : public TControlClass
{
    Q_OBJECT

public:
    explicit TButtonClass(QWidget *parent);
    TElementKind Kind() const override { return TElementKind::Button; }
    void AssignCaption(const QString &caption) override;
    int FullHeight() const override { return 42; }
    void Relayout() override;
};

// A section tab of the settings page.
class TTabPanel : public QWidget
{
    Q_OBJECT

public:
    // `owner` holds the tabs and grows by 48 pixels per tab.
    explicit TTabPanel(QWidget *owner);

    QWidget *BPanel = nullptr;
    QWidget *RPanel = nullptr;
    QWidget *LPanel = nullptr;
    QWidget *APanel = nullptr;
    QWidget *SPanel = nullptr;
    QWidget *FOwner = nullptr;
    int FIndex = 0;
    bool FChecked = false;
    QString FCaption;
    QWidget *FWinControl = nullptr;
    QString FDict;

    void SetCaption(const QString &caption);
    void AssignChecked(bool checked);
    void UpdateStyle();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ColorLeftBar(const QColor &color);
    QList<TTabPanel *> Siblings() const;
};

// A combo box that leaves the mouse wheel to the page, so scrolling never changes a value.
class TMyComboBox;

// Tells whether a widget is an element of one of the given kinds.
TBaseClass *AsElement(QObject *object);
