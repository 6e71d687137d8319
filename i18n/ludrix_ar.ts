<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>زر %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>مراسلة %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>الإصدار 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>من نحن</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>يفتح موقع الشركة المطورة في متصفح الويب</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>ينشئ رسالة بريد إلكتروني للاستفسار إلى الشركة المطورة</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>حساب أقطار الأنابيب</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>عدادات التدفق والمقاييس</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>أدوات هندسية مجانية</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>من نحن</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>مسح القيم</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>اختر وحدة معدل التدفق</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>وحدة معدل التدفق</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>اختر وحدة سرعة التدفق</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>وحدة سرعة التدفق</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>اختر وحدة القطر الداخلي</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>وحدة القطر الداخلي</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>أدخل معدل التدفق</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>معدل التدفق الحجمي</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>أدخل سرعة التدفق</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>سرعة التدفق</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>أدخل القطر الداخلي</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>القطر الداخلي</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>دليل</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>شعار Northfall</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>موقع Northfall على الويب</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. اضغط «حساب» لإيجاد القيمة الثالثة</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. اكتب قيمتين</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. اختر الوحدات</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>التدفق الحجمي</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>القطر الداخلي</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>النتيجة كبيرة جدًا ولا يمكن حسابها.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>إحدى القيم صغيرة جدًا ولا يمكن الحساب بها.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>لحساب القطر، يجب أن تكون إشارتا السرعة ومعدل التدفق متماثلتين.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>تعذر إجراء الحساب.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>أدخل أي قيمتين من القيم الثلاث لإجراء الحساب!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>لا يقبل Ludrix إلا القيم الرقمية</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>قدم مكعب</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 بوصة مكعبة</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>غالون أمريكي</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>مليون غالون أمريكي</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 غالون أمريكي</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>لتر</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>متر مكعب</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>غالون إمبراطوري</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 لتر</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>برميل بريطاني</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 غالون إمبراطوري</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>برميل سوائل أمريكي</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>برميل نفط أمريكي</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>برميل اتحادي أمريكي</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>بوصة</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>مليمتر</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>قدم</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 بوصة</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>سنتيمتر</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>متر</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %3 = %2</source>
        <translation>%1: %3 = %2</translation>
    </message>
    <message>
        <source>%1 per second: %2, per second</source>
        <translation>%1 في الثانية: %2 في الثانية</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1 في الثانية: %3 = %2 في الثانية</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1 في الدقيقة: %2 في الدقيقة</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1 في الدقيقة: %3 = %2 في الدقيقة</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1 في الساعة: %2 في الساعة</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1 في الساعة: %3 = %2 في الساعة</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1 في اليوم: %2 في اليوم</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 في اليوم: %3 = %2 في اليوم</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>قدم مكعب/ثانية</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>قدم مكعب/دقيقة</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>قدم مكعب/ساعة</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>قدم مكعب/يوم</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>غالون أمريكي/ثانية</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>غالون أمريكي/دقيقة</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>غالون أمريكي/ساعة</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>غالون أمريكي/يوم</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>مليون غالون أمريكي/يوم</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>لتر/ثانية</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>لتر/دقيقة</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>لتر/ساعة</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>لتر/يوم</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>متر مكعب/ثانية</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>متر مكعب/دقيقة</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>متر مكعب/ساعة</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>متر مكعب/يوم</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>غالون إمبراطوري/ثانية</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>غالون إمبراطوري/دقيقة</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>غالون إمبراطوري/ساعة</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>غالون إمبراطوري/يوم</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>برميل بريطاني/ثانية</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>برميل بريطاني/دقيقة</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>برميل بريطاني/ساعة</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>برميل بريطاني/يوم</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>برميل سوائل أمريكي/ثانية</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>برميل سوائل أمريكي/دقيقة</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>برميل سوائل أمريكي/ساعة</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>برميل سوائل أمريكي/يوم</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>برميل نفط أمريكي/ثانية</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>برميل نفط أمريكي/دقيقة</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>برميل نفط أمريكي/ساعة</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>برميل نفط أمريكي/يوم</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>برميل اتحادي أمريكي/ثانية</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>برميل اتحادي أمريكي/دقيقة</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>برميل اتحادي أمريكي/ساعة</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>برميل اتحادي أمريكي/يوم</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>بوصة</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>بوصة/ثانية</translation>
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
