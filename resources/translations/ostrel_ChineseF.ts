<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
        <translation>亮度</translation>
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
        <translation>無法儲存調色盤！</translation>
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
        <translation>警報設定</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>點1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>點2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>點3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>高於</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>低於</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>等於</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>目標:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>溫度:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>量測設定</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>鏡頭:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>範圍:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>環境:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>濕度:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>反射:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>正在切換測溫範圍！</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>校準檔錯誤！</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>修正檔錯誤！</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> 最高</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> 最低</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> 平均</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>區域%1模式</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>區域1設定</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>區域%1設定</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>區域1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>區域2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>區域3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>區%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>高:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>低:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>均:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>無鏡頭！</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>校準檔錯誤！</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>修正檔錯誤！</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>螢幕休眠</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1分鐘</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2分鐘</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5分鐘</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>目前顏色:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>紅:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>綠:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>藍:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>最小值:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>最大值:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>自訂調色盤</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>移除「%1」？</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>無法設定調色盤！</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>溫差%1設定</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>溫差1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>溫差2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
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
        <translation>一般</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>視訊輸出</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>精度</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>溫度單位</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>長度單位</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>一位小數</translation>
    </message>
    <message>
        <source>2 decimals</source>
        <translation>兩位小數</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation>校準檔錯誤！</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>修正檔錯誤！</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source> M </source>
        <translation> 手動 </translation>
    </message>
    <message>
        <source> HG </source>
        <translation> 直方圖 </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>校正中...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>空間不足</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>儲存失敗</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>自動拍照</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>低於</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>區間</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>高於</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>等溫線設定</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>上限:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>下限:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>顏色:</translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>調整</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>標準 *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>自訂 *</translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation>紅外</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>可見光</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>紅外子母畫面</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>可見光子母畫面</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>紅外融合</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>可見光融合</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>位置: 左上</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>位置: 左下</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>位置: 右下</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>位置: 右上</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>大小: 半畫面</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>大小: 全畫面</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>位置:左上</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>比例: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>等溫線</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>清除畫面</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>生產日期</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SD卡</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>橫列:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>直行:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>垂直線</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>線設定</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>水平線設定</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>垂直線設定</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>垂直線</translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation>線%1:%2</translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>日期時間</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>量測</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>拍攝</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>照明燈</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>螢幕休眠</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>自動快門</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>自動關機</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1分鐘</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2分鐘</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5分鐘</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分鐘</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30分鐘</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>使用全域參數</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>放射率:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>距離:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>修正:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>全域參數</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>參數重設 </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>放射率:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>距離:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>修正:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>將所有量測參數恢復為 
 出廠參數？</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>儲存失敗！</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>定時拍照</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>間隔</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>全域參數</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>量測設定</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警報</translation>
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
        <translation>自動關機</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5分鐘</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分鐘</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30分鐘</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>自動快門</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1分鐘</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2分鐘</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> 手動</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> 最高</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> 最低</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>點%1模式</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>點設定</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>點%1設定</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>點1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>點2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>點3</translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation>點%1:%2</translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation>鐵紅</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>白熱</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>黑熱</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>棕褐</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>藍紅</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>冷熱</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>羽毛</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>醫療</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>標準調色盤</translation>
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
        <translation>選擇材質</translation>
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
        <translation>已拒絕：%2 的 AD %1 不低於 %4 的 %3。標定表未改動。</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>已拒絕：%2 的 AD %1 不高於 %4 的 %3。標定表未改動。</translation>
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
        <translation>刪除</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>刪除相片？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>拍照間隔</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>語音備註過長，無法播放。</translation>
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
        <translation>未插入SD卡</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>此資料夾為空</translation>
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
        <translation>設定未儲存！</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>此資料夾為空</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>未插入SD卡</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>取消全選</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>此影片無法播放</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>日期時間</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>設定日期</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>設定時間</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24小時制</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12小時制</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>滑動以關機</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>關機中.....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12小時制</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24小時制</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>設定日期</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>年/月/日</translation>
    </message>
</context>
</TS>
