<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BiaoDing</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>T-AD</source>
        <translation>T-AD</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>BrightDialog</name>
    <message>
        <source>Bright</source>
        <translation>Bright</translation>
    </message>
</context>
<context>
    <name>CalibInterface</name>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>IR Core</source>
        <translation>IR Core</translation>
    </message>
    <message>
        <source>P/N</source>
        <translation>P/N</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Engine Set Dialog</source>
        <translation>Engine Set Dialog</translation>
    </message>
</context>
<context>
    <name>CalibPage</name>
    <message>
        <source>Start Calib</source>
        <translation>Start Calib</translation>
    </message>
    <message>
        <source>Manual Dead Point</source>
        <translation>Manual Dead Point</translation>
    </message>
</context>
<context>
    <name>CustomPaletteStore</name>
    <message>
        <source>Cannot save the palettes!</source>
        <translation>Cannot save the palettes!</translation>
    </message>
</context>
<context>
    <name>DevChipPage</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>5 second</source>
        <translation>5 second</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Pw-Start</source>
        <translation>Pw-Start</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
</context>
<context>
    <name>DevVersionPage</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>EAlarmSetup</name>
    <message>
        <source>Alarm Setting</source>
        <translation>Alarm Setting</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Spot 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Spot 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Spot 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Equal</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>Measure Setting</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Lens:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Env:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>Humid:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Ref:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>Changing Temp Range!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Calibration file error!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Modify file error!</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> Averg</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Area %1 Mode</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Area 1 Setting</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Area %1 Setting</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Area 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Area 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Area 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>A%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>L:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>A:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>No Lens!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Calibration file error!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Modify file error!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Screen Off</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minutes</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutes</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Current Color:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Red:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Green:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blue:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Min. Value:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Max. Value:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Custom Palette</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>Remove &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>The palette could not be set!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Diff %1 Setting</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Diff 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Diff 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Temp Unit</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Len Unit</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>1 decimal</translation>
    </message>
    <message>
        <source>2 decimals</source>
        <translation>2 decimals</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation>Calibration file error!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Modify file error!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> M </source>
        <translation> M </translation>
    </message>
    <message>
        <source> HG </source>
        <translation> HG </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>Calibrating...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Lack of space</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Automatic Camera</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Trans</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Inter</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>ISO Setting</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>IsoMax:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>IsoMin:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Adjust</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Custom *</translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>IR_PIPE_VIS</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>VIS_PIPE_IR</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>IR_MIX_VIS</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>VIS_MIX_IR</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>Position: TL</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Position: BL</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Position: BR</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Position: TR</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Size: Half</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Size: Full</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Pos:TopLeft</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>Per: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Clear Screen</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SDCard</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Row:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Column:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>Hor Line</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Ver Line</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Line Setting</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>Hor Line Setting</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>Ver Line Setting</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>Hor Line</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Ver Line</translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation>L%1:%2</translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Date &amp; Time</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Screen Off</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto Shutter</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Power Off</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconds</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minutes</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutes</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>use global para</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Distan:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>Global Para</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Reset Para </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Distan:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>Reset all measure para to 
 factory para?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Save failed!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Global Para</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Measure Setting</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>EShowModifyDialog</name>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>EShutdownDialog</name>
    <message>
        <source>Power Off</source>
        <translation>Power Off</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto Shutter</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconds</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minutes</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutes</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Manual</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>Spot %1 Mode</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Spot Setting</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Spot %1 Setting</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Spot 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Spot 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Spot 3</translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation>P%1:%2</translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>GreyInverted</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Blue_Red</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Hot_Cold</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Feather</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medical</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>Standard Palette</translation>
    </message>
</context>
<context>
    <name>EmifTestPage</name>
    <message>
        <source>EMIF Test</source>
        <translation>EMIF Test</translation>
    </message>
</context>
<context>
    <name>EmissTable</name>
    <message>
        <source>Select Material</source>
        <translation>Select Material</translation>
    </message>
</context>
<context>
    <name>IRCoreListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Two Calib</source>
        <translation>Two Calib</translation>
    </message>
    <message>
        <source>Para Setting</source>
        <translation>Para Setting</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
</context>
<context>
    <name>MainBiaoDing</name>
    <message>
        <source>CalibInfo </source>
        <translation>CalibInfo </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SetBg</source>
        <translation>SetBg</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.</source>
        <translation>Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</translation>
    </message>
</context>
<context>
    <name>ParaBackupPage</name>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>PhotoMessageBox</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Delete image?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Photo Time</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>The voice note is too long to be played.</translation>
    </message>
</context>
<context>
    <name>ProductInfoWidget</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ScreenDirectory</name>
    <message>
        <source>No sd card</source>
        <translation>No sd card</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>This directory is empty</translation>
    </message>
</context>
<context>
    <name>SetListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Bak</translation>
    </message>
</context>
<context>
    <name>SettingsSync</name>
    <message>
        <source>Settings not stored!</source>
        <translation>Settings not stored!</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>This directory is empty</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>No sd card</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>back</source>
        <translation>back</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>UnSelect All</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>This video cannot be played</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Date Format</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>set DateTime</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Set Date</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Set Time</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12-hour</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Slide to power off</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Shutdown .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12-Hour</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24-Hour</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Set Data</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/yyyy</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>yyyy/mm/dd</translation>
    </message>
</context>
</TS>
