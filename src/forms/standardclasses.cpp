#include "forms/standardclasses.h"

#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/form_creator.h"
#include "forms/twControls.h"
#include "forms/twEdit.h"

void RegisterStandardClasses()
{
    TClassRegistry &r = TClassRegistry::instance();
    r.registerClass<TForm>();
    r.registerClass<TLabel>();
    r.registerClass<TStaticText>();
    r.registerClass<TPanel>();
    r.registerClass<TGroupBox>();
    r.registerClass<TEdit>();
    r.registerClass<TLabeledEdit>();
    r.registerClass<TCommonCalendar>();
    r.registerClass<TMaskEdit>();
    r.registerClass<TMemo>();
    r.registerClass<TComboBox>();
    r.registerClass<TComboBoxEx>();
    r.registerClass<TAction>();
    r.registerClass<TListBox>();
    r.registerClass<TButton>();
    r.registerClass<TSpeedButton>();
    r.registerClass<TBitBtn>();
    r.registerClass<TCheckBox>();
    r.registerClass<TRadioButton>();
    r.registerClass<TScrollBar>();
    r.registerClass<TShape>();
    r.registerClass<TPaintBox>();
    r.registerClass<TImage>();
    r.registerClass<TBevel>();
    r.registerClass<TPage>();
    r.registerClass<TNotebook>();
    r.registerClass<THeader>();
    r.registerClass<TRadioGroup>();
    r.registerClass<TSplitter>();
    r.registerClass<TControlBar>();
    r.registerClass<TToolBar>();
    r.registerClass<TCoolBar>();
    r.registerClass<TTabControl>();
    r.registerClass<TTabSheet>();
    r.registerClass<TPageControl>();
    r.registerClass<TStatusPanel>();
    r.registerClass<TStatusBar>();
    r.registerClass<THeaderControl>();
    r.registerClass<TTreeView>();
    r.registerClass<TTrackBar>();
    r.registerClass<TListView>();
    r.registerClass<TProgressBar>();
    r.registerClass<TRichEdit>();
    r.registerClass<TUpDown>();
    r.registerClass<TAnimate>();
    r.registerClass<TToolButton>();
    r.registerClass<TDateTimePicker>();
    r.registerClass<TMonthCalendar>();
    r.registerClass<TPageScroller>();
    r.registerClass<TScrollBox>();
    r.registerClass<TXPSpeedButton>();
    r.registerClass<TXPHoverLabel>();
    r.registerClass<TXPSectionLabel>();
    r.registerClass<TXPPanel>();
    r.registerClass<TXPTask>();
    r.registerClass<TZeltoEdit>();
    r.registerClass<TZeltoCalcEdit>();
    r.registerClass<TZeltoDBEdit>();
    r.registerClass<TZeltoComboBox>();
    r.registerClass<TZeltoListBox>();
    r.registerClass<TZeltoTabSheet>();
}
