<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>%1 へ</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>%1 に連絡</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Ver. 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>開発元について</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>開発元のWebサイトをWebブラウザーで開きます</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>開発元へのお問い合わせメールを作成します</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>配管サイズ計算ソフト</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>流量計と計器</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>無料の技術ツール</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>開発元について</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>流量の単位を選択</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>流量の単位</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>流速の単位を選択</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>流速の単位</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>内径の単位を選択</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>内径の単位</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>流量を入力</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>体積流量</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>流速を入力</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>流速</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>内径を入力</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>内径</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>手順</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Northfall ロゴ</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Northfall Webサイト</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. 「計算」を押して残りの値を算出</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. 値を2つ入力</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. 単位を選択</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>体積流量</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>内径</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>結果が大きすぎるため計算できません。</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>値が小さすぎるため計算できません。</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>内径を計算するには、流速と流量の符号が同じである必要があります。</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>計算に失敗しました。</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>計算するには、3つの値のうちいずれか2つを入力してください。</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix には数値のみ入力できます。</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>立方フィート</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 立方インチ</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>米ガロン</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>百万米ガロン</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 米ガロン</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>リットル</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>立方メートル</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>英ガロン</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 リットル</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>英バレル</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 英ガロン</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>米液量バレル</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>米石油バレル</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>米連邦バレル</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>ミリメートル</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 インチ</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>センチメートル</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %3 = %2</source>
        <translation>%1：%3 = %2</translation>
    </message>
    <message>
        <source>%1 per second: %2, per second</source>
        <translation>%1毎秒：1秒あたり %2</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1毎秒：1秒あたり %3 = %2</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1毎分：1分あたり %2</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1毎分：1分あたり %3 = %2</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1毎時：1時間あたり %2</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1毎時：1時間あたり %3 = %2</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1毎日：1日あたり %2</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1毎日：1日あたり %3 = %2</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>立方フィート/秒</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>立方フィート/分</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>立方フィート/時</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>立方フィート/日</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>米ガロン/秒</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>米ガロン/分</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>米ガロン/時</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>米ガロン/日</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>百万米ガロン/日</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>リットル/秒</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>リットル/分</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>リットル/時</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>リットル/日</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>立方メートル/秒</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>立方メートル/分</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>立方メートル/時</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>立方メートル/日</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>英ガロン/秒</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>英ガロン/分</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>英ガロン/時</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>英ガロン/日</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>英バレル/秒</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>英バレル/分</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>英バレル/時</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>英バレル/日</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>米液量バレル/秒</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>米液量バレル/分</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>米液量バレル/時</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>米液量バレル/日</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>米石油バレル/秒</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>米石油バレル/分</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>米石油バレル/時</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>米石油バレル/日</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>米連邦バレル/秒</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>米連邦バレル/分</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>米連邦バレル/時</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>米連邦バレル/日</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>インチ/秒</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>cm/sec</source>
        <translation>cm/sec</translation>
    </message>
    <message>
        <source>m/sec</source>
        <translation>m/sec</translation>
    </message>
</context>
</TS>
